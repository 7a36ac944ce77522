#pragma once

class QWidget;
struct Platform;

// Starts the system-information tool that the registry names, or tells the user that there is
// none; owner is the window that asks.
void StartSysInfo(QWidget *owner, Platform &platform);
