#include "app/about_box.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace {
// Only OK closes the box: Escape and closing the window ask for a reject, which does nothing.
class AboutBox : public QDialog {
  public:
    explicit AboutBox(QWidget& owner);
    void reject() override {}
};

AboutBox::AboutBox(QWidget& owner)
    : QDialog(&owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(QStringLiteral("About Quorvel"));
    auto* text = new QLabel(QStringLiteral("Quorvel\nVersion 1.0\n\n"
                                           "Cards and table drawn by the Quorvel developers\n"
                                           "Built with Qt"),
                            this);
    text->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(24, 18, 24, 14);
    layout->setSpacing(16);
    layout->addWidget(text);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    ok->setFocus();
}
} // namespace

void showAboutBox(QWidget& owner) {
    AboutBox box(owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.adjustSize();
    // Centred on the screen, not on the owner; the box's frame is not known before it is shown,
    // so it is taken to be as thick as the owner's.
    const QWindow* ownerWindow = owner.windowHandle();
    const QMargins frame = ownerWindow ? ownerWindow->frameMargins() : QMargins();
    QRect outer = QRect(QPoint(0, 0), box.size()).marginsAdded(frame);
    outer.moveCenter(owner.screen()->availableGeometry().center());
    box.move(outer.topLeft());
    box.exec();
}
