#include "app/tables/gridtable.h"

#include <algorithm>

#include "app/tables/columnstream.h"
#include "app/tables/enumcolumn.h"
#include "app/tables/floatcolumn.h"
#include "app/tables/tablecolumn.h"
#include "app/tables/tableerror.h"
#include "app/tables/tableregistry.h"

namespace {
const QString kIndexOutOfBounds = QStringLiteral("Index out of bounds");
const QString kTopDepthNeedsFloat =
    QStringLiteral("If column if a topdepth then the next column must be a float column");

bool isTopDepth(const TColumn& column) {
    const auto* real = dynamic_cast<const TFloatColumn*>(&column);
    return real && real->isTopDepth();
}
}  // namespace

TGridTable::TGridTable(TTableRegistry& registry, const TGridTable* ownerTable)
    : m_registry(registry), m_ownerTable(ownerTable) {
    if (ownerTable) m_unitSystem = ownerTable->unitSystem();
    m_identifier = m_registry.enrol(*this);
}

TGridTable::~TGridTable() {
    m_columns.clear();  // sub-tables withdraw before their owner
    m_registry.withdraw(*this);
}

std::unique_ptr<TGridTable> TGridTable::createEmpty(const TGridTable& owner) const {
    return std::make_unique<TGridTable>(m_registry, &owner);
}

void TGridTable::copyPropertiesTo(TGridTable& clone) const {
    clone.m_caption = m_caption;
    clone.m_comments = m_comments;
    clone.m_topLeft = m_topLeft;
    clone.m_helpPicture = m_helpPicture;
    clone.m_minRows = m_minRows;
    clone.m_maxRows = m_maxRows;
}

std::unique_ptr<TGridTable> TGridTable::cloneAsSubTable(const TGridTable& owner,
                                                        int rowNumber) const {
    std::unique_ptr<TGridTable> clone = createEmpty(owner);
    copyPropertiesTo(*clone);
    clone->m_template = this;
    clone->m_rowNumber = rowNumber;
    for (const auto& column : m_columns) clone->addColumn(column->definition());
    clone->setRowCount(m_minRows);
    clone->setModified(false);
    return clone;
}

void TGridTable::setIdentifier(int identifier) { m_registry.setIdentifier(*this, identifier); }

void TGridTable::setMinRows(int n) {
    if (n <= 0) throw ETableError(QStringLiteral("Value must be greater than 0"));
    m_minRows = n;
}

TColumn& TGridTable::column(int index) const {
    if (index < 0 || index >= columnCount()) throw ETableError(kIndexOutOfBounds);
    return *m_columns[index];
}

int TGridTable::visibleColumnCount() const {
    return static_cast<int>(std::count_if(m_columns.begin(), m_columns.end(),
                                          [](const auto& c) { return c->isVisible(); }));
}

TColumn& TGridTable::visibleColumn(int index) const {
    int seen = 0;
    for (const auto& c : m_columns)
        if (c->isVisible() && seen++ == index) return *c;
    throw ETableError(kIndexOutOfBounds);
}

int TGridTable::visiblePosition(const TColumn& column) const {
    int seen = 0;
    for (const auto& c : m_columns) {
        if (c.get() == &column) return c->isVisible() ? seen : -1;
        if (c->isVisible()) ++seen;
    }
    return -1;
}

int TGridTable::positionOf(const TColumn& column) const {
    for (int i = 0; i < columnCount(); ++i)
        if (m_columns[i].get() == &column) return i;
    return -1;
}

TColumn& TGridTable::addColumn(const TColumnDefinition& definition) {
    if (!m_columns.empty() && isTopDepth(*m_columns.back()) &&
        definition.classCode != TColumnClass::Float)
        throw ETableError(kTopDepthNeedsFloat);
    m_columns.push_back(TColumn::create(definition, *this));
    TColumn& added = *m_columns.back();
    alignTemplates();
    added.insertRows(0, m_rowCount);
    return added;
}

void TGridTable::removeAllColumns() {
    m_columns.clear();
    m_rowCount = 0;
    emit rowsChanged();
}

TData TGridTable::cell(int column, int row) const {
    TColumn& c = this->column(column);
    if (row < 0 || row >= m_rowCount) throw ETableError(kIndexOutOfBounds);
    return TData(c, row);
}

QString TGridTable::text(int column, int row, const QLocale& locale) const {
    return cell(column, row).text(locale);
}

void TGridTable::setFromText(int column, int row, const QString& text, const QLocale& locale) {
    cell(column, row).column().setFromText(row, text, locale);
}

void TGridTable::insertRows(int first, int count) {
    if (count <= 0) return;
    for (const auto& c : m_columns) c->insertRows(first, count);
    m_rowCount += count;
    linkDepths(first, count, true);
    m_modified = true;
}

void TGridTable::deleteRow(int row) {
    for (const auto& c : m_columns) c->deleteRow(row);
    --m_rowCount;
    linkDepths(row, 1, false);
    m_modified = true;
}

void TGridTable::linkDepths(int first, int count, bool inserted) {
    for (const auto& c : m_columns) {
        auto* top = dynamic_cast<TFloatColumn*>(c.get());
        if (!top || !top->isTopDepth()) continue;
        if (inserted)
            top->linkInsertedRows(first, count);
        else
            top->linkAfterDeletion(first);
    }
}

void TGridTable::setRowCount(int n) {
    n = std::max(n, 0);
    if (n == m_rowCount) return;
    while (m_rowCount > n) deleteRow(m_rowCount - 1);
    insertRows(m_rowCount, n - m_rowCount);
    emit rowsChanged();
}

void TGridTable::ensureMinRows() {
    if (m_rowCount < m_minRows) setRowCount(m_minRows);
}

void TGridTable::addRowGroup() {
    insertRows(m_rowCount, m_rowGroup);
    emit rowsChanged();
}

void TGridTable::insertRowGroup(int row) {
    if (row < 0 || row >= m_rowCount) throw ETableError(kIndexOutOfBounds);
    insertRows(row - row % m_rowGroup, m_rowGroup);
    emit rowsChanged();
}

void TGridTable::deleteRowGroup(int row) {
    if (row < 0 || row >= m_rowCount) throw ETableError(kIndexOutOfBounds);
    const int first = row - row % m_rowGroup;
    const int count = std::min(m_rowGroup, m_rowCount - first);
    for (int i = 0; i < count; ++i) deleteRow(first);
    emit rowsChanged();
}

void TGridTable::setUnitSystem(int unitSystem) {
    if (unitSystem == m_unitSystem) return;
    for (const auto& c : m_columns) c->convertUnits(m_unitSystem, unitSystem);
    m_unitSystem = unitSystem;
    emit rowsChanged();
}

void TGridTable::adoptUnitSystem(int unitSystem) {
    m_unitSystem = unitSystem;
    for (const auto& c : m_columns) c->adoptUnitSystem(unitSystem);
    emit rowsChanged();
}

bool TGridTable::isModified() const {
    return m_modified || std::any_of(m_columns.begin(), m_columns.end(),
                                     [](const auto& c) { return c->isModified(); });
}

void TGridTable::setModified(bool modified) {
    m_modified = modified;
    if (!modified)
        for (const auto& c : m_columns) c->clearModified();
}

QString TGridTable::rowNumberChain() const {
    QString chain = m_ownerTable ? m_ownerTable->rowNumberChain() : QString();
    if (m_rowNumber > 0) chain += u' ' + QString::number(m_rowNumber);
    return chain;
}

QString TGridTable::windowCaption() const { return m_caption + u' ' + rowNumberChain(); }

bool TGridTable::descendsFrom(const TGridTable& other) const {
    for (const TGridTable* t = this; t; t = t->m_ownerTable)
        if (t == &other || t->m_template == &other) return true;
    return false;
}

void TGridTable::noteCellChanged(const TColumn& column, int row) {
    m_modified = true;
    emit cellChanged(positionOf(column), row);
}

void TGridTable::replaceSubTables(int row) {
    for (const auto& c : m_columns)
        if (auto* tables = dynamic_cast<TTableColumn*>(c.get())) tables->replaceSubTable(row);
}

void TGridTable::alignTemplates() {
    for (const auto& c : m_columns)
        if (auto* tables = dynamic_cast<TTableColumn*>(c.get())) tables->alignTemplates();
}

void TGridTable::writeColumns(TColumnStream& stream) const {
    stream.write(columnCount());
    for (const auto& c : m_columns) stream.writeColumn(c->definition());
}

void TGridTable::readColumns(TColumnStream& stream) {
    removeAllColumns();
    int count = 0;
    try {
        count = stream.readInteger();
    } catch (const ETableError&) {
        throw ETableError(QStringLiteral("Error reading column count"));
    }
    for (int position = 0; position < count; ++position) readColumn(stream, position);
    if (!m_columns.empty() && isTopDepth(*m_columns.back())) throw ETableError(kTopDepthNeedsFloat);
}

void TGridTable::readColumn(TColumnStream& stream, int position) {
    const auto failed = [position](const ETableError& error) {
        return ETableError(QStringLiteral("Error occured when creating column %1: %2")
                               .arg(position)
                               .arg(error.message()));
    };
    int code = 0;
    try {
        code = stream.readInteger();
    } catch (const ETableError& error) {
        throw failed(error);
    }
    if (code < static_cast<int>(TColumnClass::Enum) ||
        code > static_cast<int>(TColumnClass::String))
        throw ETableError(QStringLiteral("Error Column Class not defined"));
    try {
        std::optional<int> legacyTemplate;
        TColumnDefinition definition =
            stream.readColumnFields(static_cast<TColumnClass>(code), legacyTemplate);
        if (legacyTemplate) {
            // Older descriptions name one table: by its position in the table
            // list when it is the first column, else once per choice.
            const auto* choices =
                m_columns.empty() ? nullptr : dynamic_cast<const TEnumColumn*>(m_columns[0].get());
            if (m_columns.empty()) {
                const TGridTable* named = m_registry.at(*legacyTemplate);
                definition.templates = {named ? named->identifier() : -1};
            } else if (choices) {
                for (int choice = 1; choice <= choices->choices().size(); ++choice)
                    definition.templates.append(m_hardwiredButton ? *legacyTemplate : choice);
            } else {
                definition.templates = {*legacyTemplate};
            }
        }
        addColumn(definition);
    } catch (const ETableError& error) {
        throw failed(error);
    }
}
