#include "ui/app_identity.h"

#include <QGuiApplication>

void IdentifyApplication() {
    QGuiApplication::setApplicationName("Tessaro");
    QGuiApplication::setDesktopFileName(kDesktopFileName);
}
