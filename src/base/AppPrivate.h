#pragma once
// State of CHVXApp that callers need not see: the settings store and the installed interaction.

#include "base/BatchInteraction.h"
#include "base/HvxApp.h"

#include <QSettings>
#include <memory>
#include <mutex>

struct CHVXApp::Private {
    std::recursive_mutex settingsMutex; // settings may be read from the link thread too
    std::unique_ptr<QSettings> settings;
    hvx::BatchInteraction batch; // used while no other interaction is installed
    hvx::IUserInteraction* interaction = nullptr;
};
