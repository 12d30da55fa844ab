#include "framework/ComboBox.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QApplication>
#include <QPointer>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QProxyStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "framework/Brush.h"
#include "framework/CanvasBinding.h"
#include "framework/DeviceContext.h"
#include "framework/PropInfo.h"
#include "framework/TextLayout.h"
#include "framework/VirtualKeys.h"

const QStringList& ComboBoxStyleNames()
{
    static const QStringList names{"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed",
                                   "csOwnerDrawVariable"};
    return names;
}

namespace {

// The drop-down list drops below the box and shows DropDownCount rows, whatever the application's
// style does with combo popups.
class TDropDownStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* DropDownStyle()
{
    // Lives as long as the application; Qt frees it with the application's style objects.
    static QPointer<TDropDownStyle> style;
    if (style == nullptr) {
        style = new TDropDownStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

// The QComboBox: its paint, hover, focus and popup are offered to the control first.
class TComboBox::TBox : public QComboBox {
public:
    TBox(TComboBox* control, QWidget* parent) : QComboBox(parent), control_(control)
    {
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
        setStyle(DropDownStyle());
    }
    void Detach() { control_ = nullptr; }

    bool Simple() const { return control_ != nullptr && control_->style_ == TComboBoxStyle::csSimple; }
    // The simple style's edit field takes the whole box inside its frame: there is no button.
    void PlaceSimpleEdit()
    {
        if (Simple() && lineEdit() != nullptr)
            lineEdit()->setGeometry(rect().adjusted(2, 2, -2, -2));
    }

    void showPopup() override
    {
        // The simple style's list is always shown; nothing drops down.
        if (Simple())
            return;
        if (control_ != nullptr)
            control_->DropDown();
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        if (control_ != nullptr)
            control_->CloseUp();
    }

protected:
    bool event(QEvent* event) override
    {
        if (control_ != nullptr) {
            switch (event->type()) {
            case QEvent::Enter:
                control_->MouseEnter();
                break;
            case QEvent::Leave:
                control_->MouseLeave();
                break;
            case QEvent::FocusIn:
                control_->DoEnter();
                update();
                break;
            case QEvent::FocusOut:
                control_->DoExit();
                update();
                break;
            case QEvent::MouseMove: {
                const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
                control_->FaceMouseMove(at.x(), at.y());
                break;
            }
            case QEvent::KeyPress: {
                // OnKeyDown first; a handler that clears the key keeps it from the box.
                auto* key = static_cast<QKeyEvent*>(event);
                std::uint16_t code = VirtualKeyOf(key->key());
                control_->KeyDown(code, ShiftStateOf(key->modifiers(), Qt::NoButton));
                if (code == 0)
                    return true;
                break;
            }
            default:
                break;
            }
        }
        return QComboBox::event(event);
    }
    void paintEvent(QPaintEvent* event) override
    {
        if (control_ != nullptr && control_->PaintFace(event))
            return;
        if (!Simple()) {
            QComboBox::paintEvent(event);
            return;
        }
        QPainter painter(this);
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
        frame.state |= QStyle::State_Sunken;
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);
    }
    void resizeEvent(QResizeEvent* event) override
    {
        QComboBox::resizeEvent(event);
        PlaceSimpleEdit();
    }
    void showEvent(QShowEvent* event) override
    {
        QComboBox::showEvent(event);
        PlaceSimpleEdit();
    }

private:
    TComboBox* control_;
};

// Draws the list's items through the control's DrawItem, on one reused picture per item.
class TComboBox::TItemDelegate : public QAbstractItemDelegate {
public:
    explicit TItemDelegate(TComboBox* control) : control_(control) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect rect = option.rect;
        if (rect.isEmpty())
            return;
        const qreal ratio = painter->device()->devicePixelRatioF();
        if (buffer_.width() < rect.width() || buffer_.height() < rect.height() ||
            buffer_.devicePixelRatio() != ratio) {
            buffer_ = QImage(QSize(std::max(buffer_.width(), rect.width()), std::max(buffer_.height(), rect.height())),
                             QImage::Format_RGB32);
        }
        {
            TDeviceContext surface(&buffer_);
            surface.IntersectClipRect(Rect(0, 0, rect.width(), rect.height()));
            const TCanvasBinding binding(control_->Canvas(), surface);
            control_->Canvas().SetFont(control_->Font());
            TOwnerDrawState state;
            if (option.state & QStyle::State_Selected)
                state.Include(TOwnerDrawStateFlag::odSelected);
            if (!(option.state & QStyle::State_Enabled))
                state.Include(TOwnerDrawStateFlag::odDisabled);
            control_->DrawItem(index.row(), Rect(0, 0, rect.width(), rect.height()), state);
        }
        painter->drawImage(rect.topLeft(), buffer_, QRect(0, 0, rect.width(), rect.height()));
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        int height = control_->ItemHeight();
        control_->MeasureItem(index.row(), height);
        return QSize(control_->Width(), height);
    }

private:
    TComboBox* control_;
    mutable QImage buffer_;
};

TComboBox::TComboBox(TComponent* owner)
    : TCustomControl(owner), delegate_(std::make_unique<TItemDelegate>(this)), box_(std::make_unique<TBox>(this, Handle()))
{
    SetColor(clWindow);
    SetTabStop(true);
    Handle()->setFocusProxy(box_.get());
    box_->setItemDelegate(delegate_.get());
    box_->view()->setItemDelegate(delegate_.get());
    items_.OnChange = [this](TObject*) { ItemsChanged(); };
    QObject::connect(box_.get(), &QComboBox::currentIndexChanged, box_.get(), [this](int) {
        if (!quiet_)
            Change();
    });
    SetBounds(0, 0, 145, 21);
    RecreateWindow();
}

TComboBox::~TComboBox()
{
    simpleList_.reset();
    box_->Detach();
    box_.reset();
}

QComboBox* TComboBox::Box() const
{
    return box_.get();
}

QWidget* TComboBox::ListWindow() const
{
    if (simpleList_ != nullptr)
        return simpleList_.get();
    return box_->view()->parentWidget();
}

QAbstractItemView* TComboBox::ListView() const
{
    if (simpleList_ != nullptr)
        return simpleList_.get();
    return box_->view();
}

void TComboBox::SetBounds(int left, int top, int width, int height)
{
    TCustomControl::SetBounds(left, top, width, height);
    PlaceParts();
}

void TComboBox::PlaceParts()
{
    const bool simple = style_ == TComboBoxStyle::csSimple;
    box_->setGeometry(0, 0, Width(), simple ? std::min(Height(), SimpleEditHeight()) : Height());
    if (simpleList_ != nullptr)
        simpleList_->setGeometry(0, box_->height(), Width(), std::max(0, Height() - box_->height()));
}

void TComboBox::Invalidate()
{
    TCustomControl::Invalidate();
    box_->update();
    if (simpleList_ != nullptr)
        simpleList_->viewport()->update();
}

void TComboBox::RecreateWindow()
{
    const int index = box_->currentIndex();
    const bool editable = style_ == TComboBoxStyle::csDropDown || style_ == TComboBoxStyle::csSimple;
    quiet_ = true;
    if (box_->isEditable() != editable) {
        box_->setEditable(editable);
        if (editable) {
            QObject::connect(box_->lineEdit(), &QLineEdit::textEdited, box_.get(), [this] { Change(); });
            // The face beneath shows through the edit field.
            QPalette palette = box_->lineEdit()->palette();
            palette.setColor(QPalette::Base, Qt::transparent);
            box_->lineEdit()->setPalette(palette);
        }
    }
    box_->setMaxVisibleItems(dropDownCount_);
    box_->setFont(Font()->ToQFont());
    box_->setEnabled(Enabled());
    FillBox();
    box_->setCurrentIndex(std::min(index, box_->count() - 1));
    quiet_ = false;
    UpdateSimpleList();
    PlaceParts();
    box_->PlaceSimpleEdit();
    box_->update();
    WindowRecreated();
}

void TComboBox::UpdateSimpleList()
{
    if (style_ != TComboBoxStyle::csSimple) {
        simpleList_.reset();
        return;
    }
    if (simpleList_ == nullptr) {
        simpleList_ = std::make_unique<QListView>(Handle());
        simpleList_->setModel(box_->model());
        simpleList_->setItemDelegate(delegate_.get());
        simpleList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        // The edit field keeps the focus, as with a list that drops down.
        simpleList_->setFocusPolicy(Qt::NoFocus);
        simpleList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        QListView* list = simpleList_.get();
        QObject::connect(box_.get(), &QComboBox::currentIndexChanged, list,
                         [this, list](int row) { list->setCurrentIndex(box_->model()->index(row, 0)); });
        QObject::connect(list->selectionModel(), &QItemSelectionModel::currentRowChanged, list,
                         [this](const QModelIndex& current) {
                             if (current.row() != box_->currentIndex())
                                 box_->setCurrentIndex(current.row());
                         });
    }
    simpleList_->setEnabled(Enabled());
    simpleList_->setFont(box_->font());
    simpleList_->doItemsLayout();
    simpleList_->setCurrentIndex(box_->model()->index(box_->currentIndex(), 0));
    simpleList_->show();
}

void TComboBox::FillBox()
{
    QStringList texts;
    texts.reserve(items_.Count());
    for (int i = 0; i < items_.Count(); ++i)
        texts << items_.Strings(i);
    box_->clear();
    box_->addItems(texts);
}

void TComboBox::ItemsChanged()
{
    if (sorting_)
        return;
    if (sorted_) {
        QStringList texts;
        for (int i = 0; i < items_.Count(); ++i)
            texts << items_.Strings(i);
        QStringList ordered = texts;
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
        if (ordered != texts) {
            sorting_ = true;
            items_.BeginUpdate();
            for (int i = 0; i < ordered.size(); ++i)
                items_.SetString(i, ordered[i]);
            items_.EndUpdate();
            sorting_ = false;
        }
    }
    const QString current = box_->currentText();
    quiet_ = true;
    FillBox();
    box_->setCurrentIndex(box_->findText(current));
    if (box_->isEditable())
        box_->setEditText(current);
    quiet_ = false;
}

int TComboBox::ItemIndex() const
{
    return box_->currentIndex();
}

void TComboBox::SetItemIndex(int index)
{
    quiet_ = true;
    box_->setCurrentIndex(index >= 0 && index < box_->count() ? index : -1);
    quiet_ = false;
    box_->update();
}

QString TComboBox::Text() const
{
    return box_->currentText();
}

void TComboBox::SetStyle(TComboBoxStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    RecreateWindow();
}

void TComboBox::SetItemHeight(int height)
{
    if (height <= 0 || height == itemHeight_)
        return;
    itemHeight_ = height;
    RecreateWindow();
}

void TComboBox::SetDropDownCount(int count)
{
    if (count <= 0 || count == dropDownCount_)
        return;
    dropDownCount_ = count;
    box_->setMaxVisibleItems(count);
}

void TComboBox::SetSorted(bool value)
{
    if (value == sorted_)
        return;
    sorted_ = value;
    ItemsChanged();
}

void TComboBox::SetDroppedDown(bool value)
{
    if (value == droppedDown_)
        return;
    if (value)
        box_->showPopup();
    else
        box_->hidePopup();
}

void TComboBox::DropDown()
{
    droppedDown_ = true;
    if (OnDropDown)
        OnDropDown(this);
}

void TComboBox::CloseUp()
{
    droppedDown_ = false;
    box_->update();
    if (OnCloseUp)
        OnCloseUp(this);
}

void TComboBox::FaceMouseMove(int, int) {}

bool TComboBox::PaintFace(QPaintEvent*)
{
    return false;
}

void TComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TComboBox::FontChanged()
{
    box_->setFont(Font()->ToQFont());
    Invalidate();
}

void TComboBox::EnabledChanged()
{
    TCustomControl::EnabledChanged();
    box_->setEnabled(Enabled());
    if (simpleList_ != nullptr)
        simpleList_->setEnabled(Enabled());
}

void TComboBox::MeasureItem(int index, int& height)
{
    if (style_ == TComboBoxStyle::csOwnerDrawVariable && OnMeasureItem)
        OnMeasureItem(this, index, height);
}

void TComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    const bool ownerDrawn = style_ == TComboBoxStyle::csOwnerDrawFixed || style_ == TComboBoxStyle::csOwnerDrawVariable;
    if (ownerDrawn && OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    TCanvas& canvas = Canvas();
    const bool selected = state.Contains(TOwnerDrawStateFlag::odSelected);
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(selected ? clHighlight : Color());
    canvas.FillRect(rect);
    if (index < 0 || index >= items_.Count())
        return;
    canvas.Font()->SetColor(selected ? clHighlightText : Font()->Color());
    if (state.Contains(TOwnerDrawStateFlag::odDisabled))
        canvas.Font()->SetColor(clGrayText);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    TRect text = Rect(rect.Left + 2, rect.Top, rect.Right, rect.Bottom);
    canvas.DrawText(items_.Strings(index), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void RegisterComboBoxProperties()
{
    RegisterProperties<TComboBox, TWinControl>()
        .Enumeration("Style", &TComboBox::Style, &TComboBox::SetStyle, ComboBoxStyleNames(),
                     TComboBoxStyle::csDropDown)
        .Strings(
            "Items",
            [](const TComboBox& box) {
                QStringList texts;
                for (int i = 0; i < box.Items()->Count(); ++i)
                    texts << box.Items()->Strings(i);
                return texts;
            },
            [](TComboBox& box, const QStringList& texts) { box.Items()->SetText(texts.join(QStringLiteral("\r\n"))); })
        .Integer("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex, -1)
        .Integer("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight, 16)
        .Integer("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount, 8)
        .Boolean("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted, false)
        .Event("OnChange", &TComboBox::OnChange)
        .Event("OnDrawItem", &TComboBox::OnDrawItem)
        .Event("OnMeasureItem", &TComboBox::OnMeasureItem)
        .Event("OnDropDown", &TComboBox::OnDropDown)
        .Event("OnCloseUp", &TComboBox::OnCloseUp);
}
