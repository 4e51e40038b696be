// Writes the configuration document to config.txt beside the executable, whole or not at all.
#pragma once

#include "core/outcome.h"

#include <QString>

// Cuts document at every line feed and writes each piece followed by CR LF, so a document that ends in a line feed
// ends the file with CR LF CR LF. The bytes go to a temporary file in the same folder that replaces config.txt only
// once it is complete; on failure the old file is untouched and the temporary file removed. A new file is readable
// by its owner only: it holds passwords and CD-keys. The outcome's path is config.txt's.
Outcome writeConfigFile(const QString& document, const QString& folder);
