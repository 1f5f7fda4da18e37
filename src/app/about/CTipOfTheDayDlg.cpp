#include "app/about/CTipOfTheDayDlg.h"

#include "app/widgets/HelpContextProperty.h"
#include "core/help/HelpContexts.h"
#include "core/settings/WindowTexts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace wsc {

namespace {

// The heading: a light bulb and "Did you know..." on white.
class TipHeading : public QWidget {
public:
    explicit TipHeading(QWidget* parent) : QWidget(parent) {
        QFont f = font();
        f.setPixelSize(20);
        f.setWeight(QFont::Weight(qMin(900, f.weight() + 300)));
        m_font = f;
        setMinimumHeight(48);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), Qt::white);
        // The bulb.
        const QRectF glass(10, 6, 26, 26);
        p.setPen(QPen(QColor(120, 90, 0), 1.5));
        p.setBrush(QColor(255, 220, 60));
        p.drawEllipse(glass);
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(17, 31, 12, 8));
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.drawLine(QPointF(17, 34), QPointF(29, 34));
        p.drawLine(QPointF(17, 37), QPointF(29, 37));
        p.setPen(Qt::black);
        p.setFont(m_font);
        p.drawText(QRect(48, 0, width() - 52, height()), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromLatin1(CTipOfTheDayDlg::kHeading));
    }

private:
    QFont m_font;
};

} // namespace

CTipOfTheDayDlg::CTipOfTheDayDlg(ProfileStore& profile, const QString& tipsPath, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(Labels::kTipOfTheDay));
    SetHelpContext(this, HelpContext::kTipOfTheDay);
    m_file = std::make_unique<TipsFile>(profile, tipsPath);

    auto* panel = new QWidget(this);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(new TipHeading(panel));
    m_tip = new QLabel(panel);
    m_tip->setObjectName(QStringLiteral("tip"));
    m_tip->setWordWrap(true);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tip->setMargin(8);
    m_tip->setMinimumSize(380, 110);
    m_tip->setTextFormat(Qt::PlainText);
    panelLayout->addWidget(m_tip, 1);

    m_startUp = new QCheckBox(QString::fromUtf8(Labels::kShowTipsOnStartUp), this);
    m_startUp->setChecked(m_file->showAtStartUp());
    m_next = new QPushButton(QString::fromUtf8(Labels::kNextTip), this);
    m_close = new QPushButton(QString::fromUtf8(Labels::kClose), this);
    m_close->setDefault(true);
    m_next->setEnabled(m_file->isOpen());
    connect(m_next, &QPushButton::clicked, this, &CTipOfTheDayDlg::OnNextTip);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_startUp);
    buttons->addStretch();
    buttons->addWidget(m_next);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);
    m_tip->setText(m_file->tip());
}

CTipOfTheDayDlg::~CTipOfTheDayDlg() = default;

void CTipOfTheDayDlg::OnNextTip() {
    m_file->next();
    m_tip->setText(m_file->tip());
}

void CTipOfTheDayDlg::done(int result) {
    m_file->setShowAtStartUp(m_startUp->isChecked());
    m_file->storeStartUp();
    QDialog::done(result);
}

} // namespace wsc
