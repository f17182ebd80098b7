// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QPrinter;
class QWidget;

namespace kores {

// A table to print: an optional title line, optional column headings and
// rows of cells. Rows that do not fit on a page go on to the next one, under
// the title (marked "(continued)") and the headings again.
struct CPrintTable {
    QString title;
    QStringList headings;
    std::vector<QStringList> rows;
};

// A printed document: its title and heading texts (test number, curve, date)
// at the top of every page with "Page n of m", then its tables in order.
struct CPrintDocument {
    QString title;
    QStringList heading;
    std::vector<CPrintTable> tables;
};

// Prints the document on the printer (any QPrinter, also a PDF file); the
// number of pages, 0 when the printer cannot be painted on.
int PrintDocument(QPrinter& printer, const CPrintDocument& document);

// Prints the document into a PDF file (A4 portrait) without any printer; the
// page count, or 0 with the reason in error.
int PrintDocumentToPdf(const CPrintDocument& document, const QString& path, QString* error = nullptr);

// Shows the document in a print preview window with that title; the dialog's result.
int PreviewDocument(const CPrintDocument& document, const QString& windowTitle, QWidget* parent);

}  // namespace kores
