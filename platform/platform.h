#pragma once

#include "platform/commondialog.h"
#include "platform/eventpump.h"
#include "platform/folderpicker.h"
#include "platform/messageboxes.h"
#include "platform/programlauncher.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "platform/shell.h"

#include <memory>

// Everything the commands need from the operating system. The program runs on the desktop
// services; tests hand the main window scripted fakes instead.
struct Platform {
    std::unique_ptr<FileDialogBackend> fileDialog;
    std::unique_ptr<MessageBoxes> messageBoxes;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<Registry> registry;
    std::unique_ptr<ProgramLauncher> programs;
    std::unique_ptr<FolderPicker> folderPicker;
    std::unique_ptr<EventPump> eventPump;
    std::unique_ptr<Settings> settings;
};

Platform desktopPlatform();
