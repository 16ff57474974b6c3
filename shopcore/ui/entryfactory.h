#pragma once

#include "shopcore/registers/registerconfig.h"

class QLineEdit;
class QWidget;

// Builds the entry of a field from its metadata: a line entry limited to the field's width,
// a list with typing allowed for terms, a masked entry for date texts. The helpers read and
// fill any of them the same way.
namespace EntryFactory {

QWidget* create(const RegisterEntry& entry, int maxLength, QWidget* parent);
// The line entry inside (the list's own entry for a list).
QLineEdit* lineOf(QWidget* entry);
QString text(QWidget* entry);
// maxLength: what may be typed (0: no limit).
void setText(QWidget* entry, const QString& text, int maxLength = 0);
// Entries show the record while browsing and take typing only while editing.
void setEditable(QWidget* entry, bool editable);

} // namespace EntryFactory
