#pragma once

#include <QStringList>

// The headless PDF exports:
//   --export-pdf OUT.pdf FILE
//   --export-contracts OUT.pdf [--offers 1,3] FILE
// with an optional --page-size A4|Letter. `args` are the arguments after the program name.
// Returns the exit status: 0 done, 1 the document could not be read or the PDF not written,
// 2 a usage error. Messages go to stderr.
bool isPdfExportInvocation(const QStringList& args);
int runPdfExport(const QStringList& args);
