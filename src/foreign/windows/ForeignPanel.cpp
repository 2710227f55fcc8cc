#include "foreign/windows/ForeignPanel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace foreign {

namespace {

// The Buzz! handset's buttons from the top: the big red one, then the four colours.
struct Face {
    const char* caption;
    const char* style;
};
constexpr std::array<Face, kBuzzButtonsPerHandset> kBuzzFaces{{
    {"BUZZ", "background: #d01010; color: white; font-weight: bold;"},
    {"Yellow", "background: #f4d020; color: black;"},
    {"Green", "background: #30a030; color: white;"},
    {"Orange", "background: #f08020; color: black;"},
    {"Blue", "background: #2050d0; color: white;"},
}};
constexpr int kControllerColumns = 6;

}  // namespace

ForeignPanel::ForeignPanel(VirtualForeignDevice& device, const QString& title, QWidget* parent)
    : QGroupBox(title, parent), device_(device), state_(new QLabel), plug_(new QPushButton) {
    plug_->setFocusPolicy(Qt::NoFocus);
    connect(plug_, &QPushButton::clicked, this,
            [this] { device_.isPlugged() ? device_.unplug() : device_.plug(); });
    auto* top = new QHBoxLayout;
    top->addWidget(state_, 1);
    top->addWidget(plug_);
    auto* grid = new QGridLayout;
    if (device_.kind() == DeviceKind::Buzz) {
        addBuzzHandsets(grid);
    } else {
        addControllerButtons(grid);
    }
    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(grid);
    connect(&device_, &VirtualForeignDevice::changed, this, &ForeignPanel::refresh);
    refresh();
}

void ForeignPanel::addBuzzHandsets(QGridLayout* grid) {
    for (int h = 1; h <= kBuzzHandsets; ++h) {
        const int row = h - 1;
        grid->addWidget(new QLabel(QStringLiteral("Handset %1").arg(h)), row, 0);
        auto* lamp = new QLabel;
        lamp->setAlignment(Qt::AlignCenter);
        lamp->setMinimumWidth(lamp->fontMetrics().horizontalAdvance(QStringLiteral("lamp off")) +
                              12);
        lamps_[static_cast<std::size_t>(row)] = lamp;
        grid->addWidget(lamp, row, 1);
        for (int c = 0; c < kBuzzButtonsPerHandset; ++c) {
            const Face& face = kBuzzFaces[static_cast<std::size_t>(c)];
            grid->addWidget(
                addButton(VirtualForeignDevice::buzzButton(h, c), QString::fromLatin1(face.caption),
                          QString::fromLatin1(face.style)),
                row, 2 + c);
        }
    }
}

void ForeignPanel::addControllerButtons(QGridLayout* grid) {
    for (int n = 1; n <= device_.buttonCount(); ++n) {
        grid->addWidget(addButton(n, QStringLiteral("Button %1").arg(n), {}),
                        (n - 1) / kControllerColumns, (n - 1) % kControllerColumns);
    }
}

QPushButton* ForeignPanel::addButton(int n, const QString& caption, const QString& face) {
    auto* button = new QPushButton(caption);
    button->setFocusPolicy(Qt::NoFocus);
    if (!face.isEmpty()) {
        button->setStyleSheet(QStringLiteral("QPushButton { %1 padding: 4px 8px; }").arg(face));
    }
    connect(button, &QPushButton::pressed, this, [this, n] { device_.setButton(n, true); });
    connect(button, &QPushButton::released, this, [this, n] { device_.setButton(n, false); });
    buttons_.push_back(button);
    return button;
}

QLabel* ForeignPanel::lamp(int handset) const {
    return device_.kind() == DeviceKind::Buzz ? lamps_.at(static_cast<std::size_t>(handset - 1))
                                              : nullptr;
}

void ForeignPanel::refresh() {
    const bool plugged = device_.isPlugged();
    state_->setText(plugged ? QStringLiteral("plugged in") : QStringLiteral("UNPLUGGED"));
    state_->setStyleSheet(plugged ? QString() : QStringLiteral("color: #c00000;"));
    plug_->setText(plugged ? QStringLiteral("Unplug") : QStringLiteral("Plug in"));
    for (QPushButton* b : buttons_) {
        b->setEnabled(plugged);
    }
    for (std::size_t h = 0; h < lamps_.size(); ++h) {
        if (lamps_[h] == nullptr) {
            continue;
        }
        const bool lit = device_.lamps()[h];
        lamps_[h]->setText(lit ? QStringLiteral("LIT") : QStringLiteral("lamp off"));
        lamps_[h]->setStyleSheet(lit ? QStringLiteral("background: #ff3030; color: white; "
                                                      "font-weight: bold; border-radius: 4px;")
                                     : QStringLiteral("color: #606060;"));
    }
}

}  // namespace foreign
