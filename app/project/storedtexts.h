#pragma once

#include <QList>
#include <QString>

class TProgramData;

// The texts of a project that its data file stores. The file holds 8-bit (Latin-1)
// characters: any other character is stored as "?", and the text read back differs.
struct TStoredTextChange {
    QString what;    // the text's name for the user: "Title"
    QString text;    // as the project holds it
    QString stored;  // as the data file keeps it
};

// The stored texts that the data file cannot keep as they stand, in file order.
[[nodiscard]] QList<TStoredTextChange> storedTextChanges(const TProgramData& project);

// Puts into the project what the data file keeps of each stored text.
void keepStoredTexts(TProgramData& project);
