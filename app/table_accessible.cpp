#include "app/table_accessible.h"

#include "app/table_widget.h"
#include "render/table_content.h"
#include "render/table_words.h"

#include <QAccessibleWidget>

#include <string>

namespace {
class TableAccessible : public QAccessibleWidget {
  public:
    explicit TableAccessible(QWidget* table) : QAccessibleWidget(table, QAccessible::Canvas) {}

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
        case QAccessible::Name:
            return QStringLiteral("Card table");
        case QAccessible::Description:
            return QString::fromStdString(tableWords(tableContent()));
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    // Whether the words differ from those last announced; remembers them if so.
    bool takeChangedWords() {
        std::string words = tableWords(tableContent());
        if (words == announced_) {
            return false;
        }
        announced_ = std::move(words);
        return true;
    }

  private:
    std::string announced_;
};

QAccessibleInterface* tableInterface(const QString&, QObject* object) {
    if (auto* table = dynamic_cast<TableWidget*>(object)) {
        return new TableAccessible(table);
    }
    return nullptr;
}
} // namespace

void installTableAccessibility() {
    static const bool installed = (QAccessible::installFactory(tableInterface), true);
    (void)installed;
}

void announceTableChange(QWidget& table) {
    // Most sessions have no assistive technology: then the words are not even built.
    if (!QAccessible::isActive()) {
        return;
    }
    auto* accessible =
        dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(&table));
    if (accessible && accessible->takeChangedWords()) {
        QAccessibleEvent changed(&table, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}
