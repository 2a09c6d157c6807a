#pragma once
// The five settings files of the tab and printer settings, by the names the
// station gives them.
#include "printing/SetComSettings.h"

#include <QString>

namespace setcomfiles {
inline const QString kSetup = QString::fromLatin1(SetComSettings::kSetupFile);
inline const QString kPorts = QString::fromLatin1(SetComSettings::kPortsFile);
inline const QString kFont = QString::fromLatin1(SetComSettings::kFontFile);
inline const QString kJoin = QString::fromLatin1(SetComSettings::kJoinFile);
inline const QString kMessage = QString::fromLatin1(SetComSettings::kMessageFile);
} // namespace setcomfiles
