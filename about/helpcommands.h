#pragma once

class QUrl;
class QWidget;
class frmmain;
struct Platform;

// Hands target to the desktop; when no program could open it, a message owned by owner says so.
void shellOpen(QWidget *owner, Platform &platform, const QUrl &target);

// Help > 指南: the guide readme.txt, installed with the program (guideFile).
void showGuide(frmmain &form);
// Help > FAQ: the maker's FAQ page.
void showFaq(frmmain &form);
// Help > 给我发E_mail: a new mail message to the maker.
void sendMail(frmmain &form);
// Help > 访问我的网站: the maker's home page.
void visitHomePage(frmmain &form);
// Help > 关于: the About box, created on first use; there is only ever one.
void showAbout(frmmain &form);
