#include "framework/reportdocument.h"

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
