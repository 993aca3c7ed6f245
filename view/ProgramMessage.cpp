#include "view/ProgramMessage.h"

#include <QString>
#include <QTextDocument>

void showProgramMessage(QWidget* parent, QMessageBox::Icon icon, const QString& message) {
    QMessageBox box(icon, QStringLiteral("Zuvaduro"), message, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

QString plainToolTip(const QString& text) {
    // Tool tips guess their format; only a text the guess would take for markup is wrapped.
    if (!Qt::mightBeRichText(text)) {
        return text;
    }
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}
