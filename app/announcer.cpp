#include "app/announcer.h"

#include <QAccessible>

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_DontShowOnScreen);
    setFocusPolicy(Qt::NoFocus);
}

void Announcer::say(const QString& words) {
    words_ = words;
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
