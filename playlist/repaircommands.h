#pragma once

class frmmain;

// 编辑 > 删除无效项: removes every row whose file was not found, in one step.
void removeMissingRows(frmmain &form);
// 编辑 > 重新定位…: looks for the missing files under a folder the user chooses; every one found
// takes its new path, and a message says how many were found and how many are still missing.
void relocateMissingRows(frmmain &form);
