#include "app/PdfExport.h"

// Placeholder until the PDF export lands.
bool IsPdfExportInvocation(const QStringList&) {
    return false;
}
int RunPdfExport(const QStringList&) {
    return 2;
}
