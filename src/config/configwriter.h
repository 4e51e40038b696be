// Writes the configuration document to config.txt beside the executable, whole or not at all.
#pragma once

#include "core/outcome.h"

#include <QByteArray>
#include <QString>

// Writes bytes to config.txt in folder. The bytes go to a temporary file in the same folder that
// replaces config.txt only once it is complete; on failure the old file is untouched and the temporary file removed.
// The temporary file is readable by its owner only while it is written; a new config.txt stays so, a replaced one
// takes the old file's mode. The outcome's path is config.txt's.
Outcome writeConfigFile(const QByteArray& bytes, const QString& folder);
