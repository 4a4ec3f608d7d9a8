#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

#include <string>
#include <unistd.h>

#include "platform/ui/QtApp.h"

namespace {

// The program's name as the desktop shows it: the executable's file name.
std::string ExecutableName()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof(path) - 1);
    if (n <= 0) return "Vantrel_EtherNetIP_Master";
    const std::string full(path, static_cast<size_t>(n));
    return full.substr(full.find_last_of('/') + 1);
}

// The palette of the native controls, from the same system colours our own painting uses.
QPalette SystemPalette()
{
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Window, ToQColor(clBtnFace));
    p.setColor(QPalette::WindowText, ToQColor(clWindowText));
    p.setColor(QPalette::Base, ToQColor(clWindow));
    p.setColor(QPalette::AlternateBase, ToQColor(clBtnFace));
    p.setColor(QPalette::Text, ToQColor(clWindowText));
    p.setColor(QPalette::Button, ToQColor(clBtnFace));
    p.setColor(QPalette::ButtonText, ToQColor(clBtnText));
    p.setColor(QPalette::Highlight, ToQColor(clHighlight));
    p.setColor(QPalette::HighlightedText, ToQColor(clHighlightText));
    p.setColor(QPalette::ToolTipBase, ToQColor(clInfoBk));
    p.setColor(QPalette::ToolTipText, ToQColor(clInfoText));
    p.setColor(QPalette::Disabled, QPalette::Text, ToQColor(clGrayText));
    p.setColor(QPalette::Disabled, QPalette::WindowText, ToQColor(clGrayText));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, ToQColor(clGrayText));
    return p;
}

}  // namespace

void EnsureQtApplication()
{
    if (QCoreApplication::instance()) return;
    static std::string name = ExecutableName();
    static int argc = 1;
    static char* argv[] = {name.data(), nullptr};
    // The application lives until the process ends: windows may be freed late.
    new QApplication(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(NewDesktopStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QApplication::setPalette(SystemPalette());
}
