// Writes the configuration document to config.txt beside the executable, whole or not at all.
#pragma once

#include <QString>

struct WriteResult {
    bool ok = false;
    QString path;  // the file's full path, in the system's own notation
    QString error; // the system's reason when ok is false
};

// Cuts ConfigText at every line feed and writes each piece followed by CR LF, so a document that ends in a
// line feed ends the file with CR LF CR LF. The bytes go to a temporary file in the same folder that replaces
// config.txt only once it is complete; on failure the old file is untouched and the temporary file removed.
// A new file is readable by its owner only: it holds passwords and CD-keys.
WriteResult WriteConfigFile(const QString& ConfigText, const QString& folder);
