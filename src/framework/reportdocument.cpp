#include "framework/reportdocument.h"

#include <QHash>
#include <QStringList>

const ReportText* ReportPage::find(const QString& text) const {
    for (const ReportText& item : texts) {
        if (item.text == text)
            return &item;
    }
    return nullptr;
}

QStringList ReportPage::allTexts() const {
    QStringList result;
    for (const ReportText& item : texts)
        result << item.text;
    return result;
}

QList<ReportPart> ReportDocument::parts() const {
    QList<ReportPart> result;
    QHash<QString, qsizetype> index;
    for (int i = 0; i < pages.size(); ++i) {
        const QString& label = pages.at(i).partLabel;
        if (label.isEmpty())
            continue;
        auto found = index.constFind(label);
        if (found == index.cend()) {
            found = index.insert(label, result.size());
            result << ReportPart{label, {}};
        }
        result[*found].pages << i;
    }
    return result;
}

ReportDocument ReportDocument::pagesOf(const QList<int>& pageIndexes) const {
    ReportDocument result;
    result.title = title;
    result.partTitle = partTitle;
    result.paperSize = paperSize;
    for (int i : pageIndexes)
        result.pages << pages.at(i);
    return result;
}
