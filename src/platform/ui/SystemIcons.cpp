#include "platform/ui/SystemIcons.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>

#include <map>
#include <memory>
#include <utility>

#include "platform/ui/QtApp.h"
#include "platform/ui/QtImageStore.h"

namespace {

struct TIconPair {
    int index;
    QStyle::StandardPixmap pixmap;
};

// The nearest standard icon of the style for each icon of the system image list.
constexpr TIconPair IconTable[] = {
    {0, QStyle::SP_FileIcon},          {1, QStyle::SP_FileIcon},      {2, QStyle::SP_TitleBarMenuButton},
    {3, QStyle::SP_DirClosedIcon},     {4, QStyle::SP_DirOpenIcon},   {5, QStyle::SP_DriveFDIcon},
    {6, QStyle::SP_DriveFDIcon},       {7, QStyle::SP_DriveFDIcon},   {8, QStyle::SP_DriveHDIcon},
    {9, QStyle::SP_DriveNetIcon},      {10, QStyle::SP_DriveNetIcon}, {11, QStyle::SP_DriveCDIcon},
    {12, QStyle::SP_DriveHDIcon},      {13, QStyle::SP_DriveNetIcon}, {14, QStyle::SP_DriveNetIcon},
    {15, QStyle::SP_ComputerIcon},     {17, QStyle::SP_DriveNetIcon}, {18, QStyle::SP_DriveNetIcon},
    {19, QStyle::SP_DirIcon},          {20, QStyle::SP_DirIcon},      {22, QStyle::SP_FileDialogContentsView},
    {23, QStyle::SP_DialogHelpButton}, {29, QStyle::SP_FileLinkIcon}, {31, QStyle::SP_TrashIcon},
    {32, QStyle::SP_TrashIcon},        {34, QStyle::SP_DesktopIcon},
};

constexpr int SmallIconSize = 16;
constexpr int LargeIconSize = 32;

} // namespace

const TBitmap* SystemIcon(int index, bool large)
{
    // Each icon is drawn once; markup asks for the same few icons on every paint.
    static std::map<std::pair<int, bool>, std::unique_ptr<TBitmap>> drawn;
    const auto key = std::make_pair(index, large);
    if (auto it = drawn.find(key); it != drawn.end()) return it->second.get();
    for (const TIconPair& pair : IconTable) {
        if (pair.index != index) continue;
        EnsureQtApplication();
        const int size = large ? LargeIconSize : SmallIconSize;
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        QApplication::style()->standardIcon(pair.pixmap).paint(&painter, 0, 0, size, size);
        painter.end();
        auto icon = std::make_unique<TBitmap>();
        if (!StoreImage(image, *icon)) return nullptr;
        return drawn.emplace(key, std::move(icon)).first->second.get();
    }
    return nullptr;
}
