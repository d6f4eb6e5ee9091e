#include "app/project/storedtexts.h"

#include "app/project/programdata.h"

namespace {

struct TStoredText {
    const char* what;
    QString TProgramData::*text;
};

// The title is the only free text the data file holds; the tables store numbers and choices.
constexpr TStoredText kStoredTexts[] = {{"Title", &TProgramData::title}};

QString storedForm(const QString& text) { return QString::fromLatin1(text.toLatin1()); }

}  // namespace

QList<TStoredTextChange> storedTextChanges(const TProgramData& project) {
    QList<TStoredTextChange> changes;
    for (const TStoredText& stored : kStoredTexts) {
        const QString& text = project.*stored.text;
        const QString kept = storedForm(text);
        if (kept != text) changes.append({QString::fromLatin1(stored.what), text, kept});
    }
    return changes;
}

void keepStoredTexts(TProgramData& project) {
    for (const TStoredText& stored : kStoredTexts) {
        QString& text = project.*stored.text;
        text = storedForm(text);
    }
}
