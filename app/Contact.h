#pragma once

#include <QString>
#include <QUrl>

// How users reach us: shown in the about window and on the last page of the
// quick-start guide. Change them here and nowhere else.
namespace contact {

inline constexpr char webHost[] = "www.talvero-crm.example";
inline constexpr char email[] = "support@talvero-crm.example";
inline constexpr char imService[] = "QQ";
inline constexpr char imNumber[] = "800-0429";

// The web site as a page link, for the user's browser.
inline QUrl webUrl()
{
    return QUrl(QStringLiteral("http://") + QLatin1String(webHost));
}

// A new message to the support address, for the user's mail program.
inline QUrl mailUrl()
{
    return QUrl(QStringLiteral("mailto:") + QLatin1String(email));
}

} // namespace contact
