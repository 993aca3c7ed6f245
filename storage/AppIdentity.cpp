#include "storage/AppIdentity.h"

#include <QCoreApplication>
#include <QString>

void setApplicationIdentity() {
    QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganizationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationName));
}
