#include "app/accessible_interfaces.h"

#include "app/announcer.h"
#include "app/table_widget.h"
#include "render/table_content.h"
#include "render/table_words.h"
#include "render/words.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace {
// Qt 6.4 reports its objects' extents in logical pixels; a screen reader places its pointer in
// device pixels.
class DeviceRectAccessible : public QAccessibleWidget {
  public:
    using QAccessibleWidget::QAccessibleWidget;
    QRect rect() const override { return deviceScreenRect(*widget()); }
};

class ButtonAccessible : public DeviceRectAccessible {
  public:
    explicit ButtonAccessible(QPushButton* button)
        : DeviceRectAccessible(button, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && button().accessibleName().isEmpty()) {
            return button().text().remove(QLatin1Char('&'));
        }
        return DeviceRectAccessible::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = DeviceRectAccessible::state();
        state.pressed = button().isDown();
        state.defaultButton = button().isDefault();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList(pressAction()) + DeviceRectAccessible::actionNames();
    }
    // At once, not with Qt's 100 ms animated click, which would still deliver the click after
    // the button was disabled meanwhile.
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            button().click(); // does nothing while the button is disabled
        } else {
            DeviceRectAccessible::doAction(action);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPushButton& button() const { return *static_cast<QPushButton*>(widget()); }
};

class TableAccessible : public DeviceRectAccessible {
  public:
    explicit TableAccessible(TableWidget* table)
        : DeviceRectAccessible(table, QAccessible::Canvas) {}

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Name:
            return tableName();
        case QAccessible::Description:
            return QString::fromStdString(tableWords(tableContent(tableWidget().canvas())));
        default:
            return DeviceRectAccessible::text(kind);
        }
    }

  private:
    // The description is read from the drawing record of the widget's own canvas.
    const TableWidget& tableWidget() const { return *static_cast<TableWidget*>(widget()); }
};

class AnnouncerAccessible : public DeviceRectAccessible {
  public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : DeviceRectAccessible(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<Announcer*>(widget())->words();
        }
        return DeviceRectAccessible::text(kind);
    }
};

QAccessibleInterface* gameInterface(const QString&, QObject* object) {
    if (auto* table = dynamic_cast<TableWidget*>(object)) {
        return new TableAccessible(table);
    }
    if (auto* announcer = dynamic_cast<Announcer*>(object)) {
        return new AnnouncerAccessible(announcer);
    }
    if (auto* button = qobject_cast<QPushButton*>(object)) {
        return new ButtonAccessible(button);
    }
    return nullptr;
}
} // namespace

void installAccessibleInterfaces() {
    static const bool installed = (QAccessible::installFactory(gameInterface), true);
    (void)installed;
}

QRect scaledFromScreenOrigin(const QRect& logical, QPoint screenOrigin, qreal factor) {
    // a screen keeps its top-left in both kinds of pixels; what lies right and below it scales
    const auto scaled = [&](QPoint point) {
        return (QPointF(screenOrigin) + QPointF(point - screenOrigin) * factor).toPoint();
    };
    const QPoint topLeft = scaled(logical.topLeft());
    const QPoint end = scaled(logical.topLeft() + QPoint(logical.width(), logical.height()));
    return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
}

QRect deviceScreenRect(const QWidget& widget) {
    const QRect logical(widget.mapToGlobal(QPoint(0, 0)), widget.size());
    const QScreen* screen = widget.screen();
    // On X11 Qt scales its own coordinates by the screen's factor, while a screen reader and the X
    // server count device pixels. Elsewhere the window system itself works in Qt's coordinates
    // (Wayland has no screen positions at all).
    if (!screen || QGuiApplication::platformName() != QLatin1String("xcb")) {
        return logical;
    }
    return scaledFromScreenOrigin(logical, screen->geometry().topLeft(),
                                  screen->devicePixelRatio());
}
