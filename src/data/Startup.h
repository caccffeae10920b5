#pragma once

#include <QString>

namespace k9 {

enum class StartupResult {
    Ready,             // workspace, identity, defaults and options loaded
    OptionsIncomplete, // the options failed to load: the program goes on with defaults
    Terminate,         // no usable company record: the process ends
};

// Brings the company workspace up from the company root `root` (the working directory):
// the workspace paths and the company identity from Sempresas, the tax and currency
// defaults, the item-form directories and the module options. Failures are told to the
// user through messages() with their own texts.
StartupResult loadWorkspace(const QString &root);

// After a successful log-in: the user's data, format and report directories replace those
// of the company record (the module's own directory DirRMA stays as it was built).
void applyUserDirectories(const QString &root, const QString &dataDir, const QString &formatsDir,
                          const QString &reportsDir);

// A directory as stored by the host suite ("Empre001\Data") in this system's form.
QString fromStoredPath(const QString &stored);

} // namespace k9
