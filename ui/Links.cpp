#include "Links.h"

#include <QDesktopServices>

namespace ui {

namespace {

std::function<void(const QUrl &)> &opener()
{
    static std::function<void(const QUrl &)> open = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    return open;
}

} // namespace

void openLink(const QUrl &url)
{
    opener()(url);
}

void setLinkOpener(std::function<void(const QUrl &)> open)
{
    opener() = std::move(open);
}

} // namespace ui
