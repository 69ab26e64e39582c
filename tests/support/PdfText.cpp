#include "PdfText.h"

#include <QProcess>

namespace testing {

QStringList pdfPages(const QString &pdf)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        return {};
    // Some ideographs share their glyph with a radical of the same shape or
    // with a variant, which the reader may give instead: compatibility
    // folding gives back the ideograph for the radicals that have one, the
    // rest are folded by hand.
    QString text = QString::fromUtf8(reader.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
    static const std::pair<char16_t, char16_t> kShared[] = {
        {u'\u2EDA', u'页'}, {u'\u2ED4', u'门'}, {u'\u2ED3', u'长'}, {u'\u2EDB', u'风'}, {u'\u2EDC', u'飞'},
        {u'\u2EE2', u'马'}, {u'\u2EE5', u'鱼'}, {u'\u2EE6', u'鸟'}, {u'\u2EC5', u'见'}, {u'\u2EC9', u'贝'},
        {u'\u2ECB', u'车'}, {u'\u2EE9', u'黄'}, {u'\u2EEC', u'齐'}, {u'\u2EEE', u'齿'}, {u'\u2EF3', u'龟'},
        {u'\u2ED0', u'钅'}, {u'\u2EC8', u'讠'}, {u'\u2EE0', u'饣'}, {u'\u2EE8', u'麦'}, {u'\u2EF0', u'龙'},
        {u'戶', u'户'}};
    for (const auto &[shown, meant] : kShared)
        text.replace(QChar(shown), QChar(meant));
    QStringList pages = text.split(u'\f');
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace testing
