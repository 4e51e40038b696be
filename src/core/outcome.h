// The result of something the wizard asks of the system: what it acted on and, when it failed, why.
#pragma once

#include <QString>

struct Outcome {
    bool ok = false;
    QString path;  // the file or program acted on, in the system's own notation
    QString error; // the system's reason when ok is false
};
