#include "FileDrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(FileDrop, TheFirstLocalFileOfADropReachesTheHandler)
{
    QWidget window;
    std::vector<std::string> dropped;
    new TFileDropTarget(&window, [&](const std::string& path) { dropped.push_back(path); });
    EXPECT_TRUE(window.acceptDrops());

    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://example.org/x")), QUrl::fromLocalFile(QStringLiteral("/tmp/één.bin")),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/second.bin"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
    EXPECT_EQ(dropped, std::vector<std::string>{"/tmp/één.bin"});

    QMimeData text;
    text.setText(QStringLiteral("no file"));
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(&window, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

} // namespace
