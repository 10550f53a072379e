#include "dorvic/ui/frmsinebar.h"

#include "dorvic/core/gaugeblocks.h"
#include "dorvic/ui/dorvic.h"
#include "dorvic/ui/look.h"
#include "runtime/controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStringList>

namespace dorvic {
namespace {

const rt::Look EntryBox{Qt::white, QColor(), Qt::AlignLeft | Qt::AlignVCenter};
const rt::Look ResultLook{LightYellow, QColor(), Qt::AlignLeft | Qt::AlignVCenter,
                          rt::LookFlag::BoxFrame};

// The boxes a refusal names.
struct FieldBox {
    SineField field;
    const char *name;
};
const FieldBox FieldBoxes[] = {
    {SineField::BarLength, "txtBarLength"},
    {SineField::Angle, "txtAngle"},
    {SineField::Height, "txtHeight"},
    {SineField::Missing, "txtMissing"},
};

// A caption in the left column and its control beside it, one row of the
// window 480 twips below the last.
// The caption is named lblCap and the control's name without its kind
// ("lblCapBarLength"), unless named otherwise.
void addRow(std::vector<rt::Control> &table, int top, const char *caption, rt::Control control,
            QString captionName = QString())
{
    if (captionName.isEmpty())
        captionName = QStringLiteral("lblCap") + control.name.mid(3);
    table.push_back({rt::Kind::Label, captionName, QString::fromUtf8(caption),
                     rt::twipsRect(360, top + 30, 2040, 285), WindowFont, 0, &DarkBlueCaption});
    control.spoken = QString::fromUtf8(caption);
    table.push_back(std::move(control));
}

QString setNames()
{
    QStringList names;
    for (const BlockSet &set : blockSets())
        names << QString::fromStdString(set.name());
    return names.join(QLatin1Char('\n'));
}

// The entries at the top, in the order of the keyboard; the results below.
std::vector<rt::Control> controls()
{
    using rt::Kind;
    using rt::twipsRect;
    std::vector<rt::Control> table{
        // Shown with the leading blank, as the triangle window's title.
        {Kind::Label, QStringLiteral("lblSineBar"), QStringLiteral(" Sine Bar"),
         twipsRect(360, 240, 3375, 540), TitleFont, 0, &DarkBlueCaption},
        {Kind::Label, QStringLiteral("lblBarUnit"), QString(), twipsRect(4260, 1470, 600, 285),
         WindowFont, 0, &DarkBlueCaption},
        {Kind::Label, QStringLiteral("lblHeightUnit"), QString(), twipsRect(4260, 2430, 600, 285),
         WindowFont, 0, &DarkBlueCaption},
    };
    addRow(table, 960, "Gauge Blocks",
           {Kind::List, QStringLiteral("cboBlocks"), setNames(), twipsRect(2400, 930, 2520, 375),
            WindowFont, 1},
           QStringLiteral("lblCapSet"));
    addRow(table, 1440, "Bar Length",
           {Kind::TextBox, QStringLiteral("txtBarLength"), {}, twipsRect(2400, 1440, 1800, 315),
            BoxFont, 2, &SideBox});
    addRow(table, 1920, "Angle",
           {Kind::TextBox, QStringLiteral("txtAngle"), {}, twipsRect(2400, 1920, 1800, 315),
            BoxFont, 3, &AngleBox});
    addRow(table, 2400, "Height",
           {Kind::TextBox, QStringLiteral("txtHeight"), {}, twipsRect(2400, 2400, 1800, 315),
            BoxFont, 4, &SideBox});
    addRow(table, 3000, "Blocks Out",
           {Kind::TextBox, QStringLiteral("txtMissing"), {}, twipsRect(2400, 3000, 7080, 315),
            BoxFont, 5, &EntryBox});
    const char *const results[][2] = {{"lblAngleForms", "Angle Asked"},
                                      {"lblPerStep", "Per Step"},
                                      {"lblBlocks", "Fewest Blocks"},
                                      {"lblAngleGiven", "Angle Given"}};
    int top = 3600;
    for (const auto &r : results) {
        addRow(table, top, r[1],
               {Kind::Value, QLatin1String(r[0]), {}, twipsRect(2400, top, 7080, 315), BoxFont, 0,
                &ResultLook});
        top += 480;
    }
    table.push_back({Kind::Button, QStringLiteral("cmdCloseSineBar"), QStringLiteral("Close"),
                     twipsRect(8265, 5640, 1215, 495), WindowFont, 6});
    return table;
}

// A sine bar on the surface plate, one roll on the plate and the other on a
// stack of gauge blocks: the bar L, the stack H and the angle θ between bar
// and plate. Drawn in its own units (one to the twip, y downwards) and
// scaled to the widget.
class SineBarPicture : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        constexpr double Width = 4440, Height = 2640, Roll = 120;
        const QPointF low(600, 2160), high(3300, 1260); // the rolls' centres
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(width() / Width, height() / Height);
        painter.fillRect(QRectF(0, 0, Width, Height), Background);
        painter.fillRect(QRectF(0, 2280, Width, 360), QColor(135, 135, 135));
        painter.setPen(QPen(Qt::black, 15));
        // The stack, three blocks wrung together under the high roll.
        painter.setBrush(QColor(210, 210, 220));
        for (const QRectF &block : {QRectF(3000, 1380, 600, 240), QRectF(3000, 1620, 600, 300),
                                    QRectF(3000, 1920, 600, 360)})
            painter.drawRect(block);
        painter.setBrush(QColor(7, 203, 0));
        painter.drawEllipse(low, Roll, Roll);
        painter.drawEllipse(high, Roll, Roll);
        // The bar rests on the rolls: along the line of their centres.
        painter.save();
        painter.translate(low);
        const QLineF centres(low, high);
        painter.rotate(-centres.angle());
        painter.setBrush(QColor(0, 0, 192));
        painter.drawRect(QRectF(-360, -Roll - 180, centres.length() + 720, 180));
        painter.restore();
        QFont letters = font();
        letters.setPixelSize(300); // in the picture's units
        painter.setFont(letters);
        painter.drawText(QPointF(1900, 1350), QStringLiteral("L"));
        painter.drawText(QPointF(3720, 1950), QStringLiteral("H"));
        painter.drawText(QPointF(1450, 2220), QStringLiteral("θ"));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(low.x() - 800, low.y() - 800, 1600, 1600), 0,
                        static_cast<int>(centres.angle() * 16));
    }
};

} // namespace

FrmSineBar::FrmSineBar(Dorvic &program, QWidget *parent)
    : Window(program, QStringLiteral("frmSineBar"), QStringLiteral("Sine Bar"), {9840, 6375},
             parent)
{
    auto *picture = new SineBarPicture(this);
    picture->setObjectName(QStringLiteral("imgSineBar"));
    picture->setGeometry(rt::px(5040), rt::px(240), rt::px(4440), rt::px(2640));
    picture->setAccessibleName(QStringLiteral("Sine bar"));
    picture->setAccessibleDescription(
        QStringLiteral("A sine bar of length L between its rolls, one roll on the surface plate "
                       "and the other on a stack of gauge blocks of height H, at the angle "
                       "between bar and plate."));
    build(controls());
    box(SineField::BarLength)->setText(QStringLiteral("5"));
    for (const FieldBox &f : FieldBoxes) {
        QLineEdit *entry = box(f.field);
        connect(entry, &QLineEdit::textEdited, this, [this, field = f.field] {
            if (field == SineField::Angle || field == SineField::Height)
                m_given = field == SineField::Angle ? Given::Angle : Given::Height;
            rt::guarded([this] { refresh(); });
        });
        connect(entry, &QLineEdit::editingFinished, this, &FrmSineBar::finished);
    }
    connect(setList(), &QComboBox::currentIndexChanged, this,
            [this] { rt::guarded([this] { refresh(); }); });
    connect(setList(), &QComboBox::activated, this, &FrmSineBar::finished);
    rt::onClick(control<QPushButton>(QStringLiteral("cmdCloseSineBar")), this, &FrmSineBar::back);
    rt::guarded([this] { refresh(); });
}

FrmSineBar::~FrmSineBar()
{
    // Boxes lose the focus as the window goes: that finishes no entry.
    for (const FieldBox &f : FieldBoxes)
        disconnect(box(f.field), nullptr, this, nullptr);
    disconnect(setList(), nullptr, this, nullptr);
}

QLineEdit *FrmSineBar::box(SineField field) const
{
    for (const FieldBox &f : FieldBoxes) {
        if (f.field == field)
            return control<QLineEdit>(QLatin1String(f.name));
    }
    return nullptr;
}

QLabel *FrmSineBar::label(const char *name) const
{
    return control<QLabel>(QLatin1String(name));
}

QComboBox *FrmSineBar::setList() const
{
    return control<QComboBox>(QStringLiteral("cboBlocks"));
}

void FrmSineBar::open()
{
    showForm();
    if (!m_opened)
        box(SineField::Angle)->setFocus(Qt::OtherFocusReason);
    m_opened = true;
}

void FrmSineBar::back()
{
    hideForm();
}

SineBarEntry FrmSineBar::entry() const
{
    SineBarEntry e;
    e.set = static_cast<std::size_t>(std::max(0, setList()->currentIndex()));
    e.barLength = box(SineField::BarLength)->text().toStdString();
    e.angle = box(SineField::Angle)->text().toStdString();
    e.height = box(SineField::Height)->text().toStdString();
    e.missing = box(SineField::Missing)->text().toStdString();
    e.given = m_given;
    return e;
}

void FrmSineBar::refresh()
{
    const SineBar worked = workOut(entry());
    const QString unit = QString::fromStdString(worked.texts.unit);
    label("lblBarUnit")->setText(unit);
    label("lblHeightUnit")->setText(unit);
    if (!worked.refusal.refuses())
        write(worked.texts);
}

void FrmSineBar::write(const SineBarTexts &texts)
{
    // The box that follows keeps its cursor unless its text changes.
    QLineEdit *followed = box(m_given == Given::Angle ? SineField::Height : SineField::Angle);
    const QString text = QString::fromStdString(texts.followed);
    if (followed->text() != text)
        followed->setText(text);
    label("lblAngleForms")->setText(QString::fromStdString(texts.angleForms));
    label("lblPerStep")->setText(QString::fromStdString(texts.perStep));
    label("lblBlocks")->setText(QString::fromStdString(texts.blocks));
    label("lblAngleGiven")->setText(QString::fromStdString(texts.angleGiven));
}

void FrmSineBar::finished()
{
    if (m_refusing || !isVisible())
        return;
    rt::guarded([this] {
        const SineBar worked = workOut(entry());
        if (!worked.refusal.refuses())
            return;
        m_refusing = true;
        // The cursor stays where the user put it: in a box just clicked, say.
        rt::refuse(this, worked.refusal);
        m_refusing = false;
    });
}

} // namespace dorvic
