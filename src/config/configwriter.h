// Writes the configuration document to config.txt beside the executable, whole or not at all.
#pragma once

#include "core/outcome.h"

#include <QString>

// The bytes of config.txt: document in the 8-bit code page, each line feed as CR LF, and one more CR LF at the end,
// so a document that ends in a line feed ends with CR LF CR LF.
QByteArray configBytes(const QString& document);

// Writes configBytes(document) to config.txt in folder. The bytes go to a temporary file in the same folder that
// replaces config.txt only once it is complete; on failure the old file is untouched and the temporary file removed.
// The temporary file is readable by its owner only while it is written; a new config.txt stays so, a replaced one
// takes the old file's mode. The outcome's path is config.txt's.
Outcome writeConfigFile(const QString& document, const QString& folder);
