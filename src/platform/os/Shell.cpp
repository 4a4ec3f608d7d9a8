#include "platform/os/Shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/QtRuntime.h"

namespace {

std::function<bool(const std::string&)>& Opener()
{
    static std::function<bool(const std::string&)> opener;
    return opener;
}

}  // namespace

bool ShellOpen(const std::string& urlOrPath)
{
    if (Opener()) return Opener()(urlOrPath);
    EnsureQtApplication();
    return QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(urlOrPath)));
}

void SetShellOpener(std::function<bool(const std::string& urlOrPath)> opener) { Opener() = std::move(opener); }
