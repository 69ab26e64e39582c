#pragma once

#include <QUrl>
#include <functional>

namespace ui {

// The credit-enquiry page the customer and company views open.
inline const QUrl kCreditEnquiry{QStringLiteral("http://credit.talvero-crm.example/")};

// Opens a web page or mail link with the desktop's default program; the
// result is ignored. Tests replace the opener to see what was opened.
void openLink(const QUrl &url);
void setLinkOpener(std::function<void(const QUrl &)> opener);

} // namespace ui
