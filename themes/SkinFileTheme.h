#pragma once
// The skin-file theme kind: a skin (Source as loaded, Working as tinted and drawn) whose named
// objects draw the elements. Each drawing operation picks an object (the one ObjectName names,
// else the family's entry of the default table), sets its state and bounds, and lets it paint.
#include <QString>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "framework/Component.h"
#include "theme/Theme.h"
#include "themes/SkinObjects.h"

class TSeSkinSource;

// The default table's entries.
enum class TSkinEntry : std::uint8_t {
    Form, FormClient, FormButtons, FormHit,
    Button, Checkbox, RadioButton, GroupBox, ScrollBar, ProgressBar, Edit, ComboBox, TrackBar, MenuBar, PopupMenu,
    Header, StatusBar, Tabs, Container, Frame, ScrollBox, Splitter, SpinButton, ControlBar, Grid, ListBox, Hint,
    SpeedButton, ToolBar, Panel,
    ToolWindow, ToolWindowClient, ToolWindowButtons, ToolWindowHit,
    Count,
};

class TTeSkinFile : public TteTheme {
public:
    ~TTeSkinFile() override;

    const TteThemeClass& ThemeClass() const override;
    static QString GetThemeKindName();
    static TteThemeConfig GetThemeConfig();
    // A registered filter's header next, or else the compressed marker (the header being optional).
    static bool IsValidStream(TStream& stream);

    TSeSkinSource& Source() const { return *source_; }
    TSeSkinSource& Working() const { return *working_; }
    // The object of a table entry; null when the skin has none.
    TSeSkinObject* Entry(TSkinEntry entry) const { return table_[static_cast<int>(entry)]; }

    void Assign(const TPersistent* source) override;
    void InitColors() override;
    void InitFonts() override;
    bool LoadFromStream(TStream& stream) override;
    bool SaveToStream(TStream& stream) override;
    bool LoadFromFile(const QString& fileName) override;
    bool SaveToFile(const QString& fileName) override;
    // Working becomes a fresh copy of Source, tinted by the deltas, so shifts never accumulate.
    void Changed() override;
    // Fills the default table from Working (tinting it first).
    virtual void BuildObjectTable();

    // Window frame.
    bool IsFormAvailable(TteFormKind kind, const QString& objectName) override;
    std::optional<QRegion> GetFormRegion(TteFormKind kind, const TRect& rect, const QString& objectName) override;
    TteFormHit FormHitTest(TteFormKind kind, const TteWindowInfo& info, int x, int y,
                           const QString& objectName) override;
    TRect GetFormClientRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName) override;
    TRect GetFormCaptionRect(TteFormKind kind, const TteWindowInfo& info, const QString& objectName) override;
    TRect GetFormButtonRect(TteFormKind kind, const TteWindowInfo& info, TteFormButton button,
                            const QString& objectName) override;
    void DrawForm(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const QString& objectName) override;
    void DrawFormBackground(TteFormKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawFormCaptionText(TteFormKind kind, TCanvas& canvas, const TteWindowInfo& info, const TRect& rect,
                             const QString& objectName) override;
    void DrawFormButton(TteFormKind kind, TCanvas& canvas, const TteFormButtonInfo& info,
                        const QString& objectName) override;
    void DrawFormGrip(TteFormKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    // Control families.
    bool IsHintAvailable(TteKind kind, const QString& objectName) override;
    TRect GetHintClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawHint(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;

    bool IsPanelAvailable(TteKind kind, const QString& objectName) override;
    TRect GetPanelClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawPanel(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;

    bool IsButtonAvailable(TteKind kind, const QString& objectName) override;
    bool IsButtonTransparent(TteKind kind, const QString& objectName) override;
    void DrawButton(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    bool IsCheckBoxAvailable(TteKind kind, const QString& objectName) override;
    // The family paints only its marks and has no "Frame" to ask, so the check box keeps the
    // abstract answer to the transparency query: it shows what lies beneath it.
    void DrawCheckBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    TSize GetCheckBoxSize(TteKind kind, const QString& objectName) override;

    bool IsSplitterAvailable(TteKind kind, const QString& objectName) override;
    void DrawSplitter(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;

    bool IsScrollBarAvailable(TteKind kind, const QString& objectName) override;
    bool IsScrollBarTransparent(TteKind kind, const QString& objectName) override;
    void DrawScrollBarFrame(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawScrollBarPart(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawScrollBarTrack(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsProgressBarAvailable(TteKind kind, const QString& objectName) override;
    bool IsProgressBarTransparent(TteKind kind, const QString& objectName) override;
    void DrawProgressBar(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsTrackBarAvailable(TteKind kind, const QString& objectName) override;
    bool IsTrackBarTransparent(TteKind kind, const QString& objectName) override;
    void DrawTrackBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawTrackBarTrack(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawTrackBarThumb(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsHeaderAvailable(TteKind kind, const QString& objectName) override;
    void DrawHeader(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawHeaderSection(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsStatusBarAvailable(TteKind kind, const QString& objectName) override;
    void DrawStatusBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawStatusPanel(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    void DrawStatusPanelText(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const TteTextInfo& text,
                             const QString& objectName) override;

    bool IsEditAvailable(TteKind kind, const QString& objectName) override;
    TRect GetEditClientRect(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                            const QString& objectName) override;
    void DrawEdit(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    void DrawEditButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsGroupBoxAvailable(TteKind kind, const QString& objectName) override;
    bool IsGroupBoxTransparent(TteKind kind, const QString& objectName) override;
    void DrawGroupBox(TteKind kind, TCanvas& canvas, const TteGroupBoxInfo& info, const QString& objectName) override;

    bool IsMemoAvailable(TteKind kind, const QString& objectName) override;
    TRect GetMemoClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawMemo(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    bool IsBoxAvailable(TteKind kind, const QString& objectName) override;
    TRect GetBoxClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawBox(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    bool IsMenuAvailable(TteKind kind, const QString& objectName) override;
    bool IsMenuTransparent(TteKind kind, const QString& objectName) override;
    TRect GetMenuClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawMenu(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawMenuItem(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsControlBarAvailable(TteKind kind, const QString& objectName) override;
    void DrawControlBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;

    bool IsToolBarAvailable(TteKind kind, const QString& objectName) override;
    void DrawToolBar(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawToolButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsScrollBoxAvailable(TteKind kind, const QString& objectName) override;
    void DrawScrollBox(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    bool IsRollPanelAvailable(TteKind kind, const QString& objectName) override;
    TRect GetRollPanelClientRect(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawRollPanel(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawRollPanelCaption(TteKind kind, TCanvas& canvas, const TteElementInfo& info,
                              const QString& objectName) override;
    void DrawRollPanelButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsTabAvailable(TteKind kind, const QString& objectName) override;
    TRect GetTabClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawTabPane(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawTab(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;
    void DrawTabScrollButton(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    bool IsListBoxAvailable(TteKind kind, const QString& objectName) override;
    TRect GetListBoxClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawListBox(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawListBoxItem(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;
    void DrawListBoxItemCheck(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const TteListCheckInfo& check,
                              const QString& objectName) override;
    bool IsTreeAvailable(TteKind kind, const QString& objectName) override;
    TRect GetTreeClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawTree(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawTreeItem(TteKind kind, TCanvas& canvas, const TteElementInfo& info, const QString& objectName) override;

    bool IsGridAvailable(TteKind kind, const QString& objectName) override;
    TRect GetGridClientRect(TteKind kind, const TRect& rect, const QString& objectName) override;
    void DrawGrid(TteKind kind, TCanvas& canvas, const TRect& rect, const QString& objectName) override;
    void DrawGridCell(TteKind kind, TCanvas& canvas, const TtePartInfo& info, const QString& objectName) override;

    TRect GetObjectBounds(const QString& objectName) override;
    TColor GetCustomColor(const QString& colorName) override;

protected:
    TTeSkinFile();

private:
    // The object ObjectName names in Working, else the entry.
    TSeSkinObject* Pick(const QString& objectName, TSkinEntry entry) const;
    bool Names(const QString& objectName) const;
    // ObjectName names an object, or the entry exists.
    bool Available(const QString& objectName, TSkinEntry entry) const;
    // The first descendant of object (itself included) with the first of the names that it has.
    static TSeSkinObject* ChildOf(TSeSkinObject* object, std::initializer_list<const char*> names);
    // The child's Masked flag, for the transparency queries.
    bool FrameMasked(const QString& objectName, TSkinEntry entry) const;
    // Sets the state, the bounds (centred at the object's own size when centred) and paints.
    static void PaintObject(TSeSkinObject* object, TCanvas& canvas, const TRect& rect, std::uint8_t state,
                            bool centred = false);
    // The child of the family's object, painted into rect in state.
    void PaintChild(const QString& objectName, TSkinEntry entry, std::initializer_list<const char*> names,
                    TCanvas& canvas, const TRect& rect, std::uint8_t state, bool centred = false);
    // The rectangle less the margins of the child, set to it first.
    TRect ShrunkByMargins(TSeSkinObject* child, const TRect& rect) const;

    // Frame objects of a kind: the named object for every role, else the table's.
    TSeSkinObject* FrameObject(TteFormKind kind, const QString& objectName, TSkinEntry formRole) const;
    // SetState by the window states the buttons show, SetButtons, optionally SetActive, SetBounds, Realign.
    static void PrepareFrame(TSeSkinObject& frame, const TteWindowInfo& info, bool setActive);
    // The first caption button of the action in the subtree.
    static TSeSkinObject* SystemButton(TSeSkinObject& frame, TSeAction action);
    static TSeAction ActionOf(TteFormButton button);
    // The Form and ToolWindow objects draw without caption buttons (those come from FormButtons).
    static void HideSystemButtons(TSeSkinObject& frame);
    // Makes the auxiliary objects of a frame entry (client copy, buttons copy, hit copy).
    void BuildFrameEntries(TSkinEntry frame, const char* name);
    TSeSkinObject* Own(TSeSkinObject* clone);

    std::unique_ptr<TSeSkinSource, TComponentDeleter> working_;
    std::unique_ptr<TSeSkinSource, TComponentDeleter> source_;
    std::array<TSeSkinObject*, static_cast<int>(TSkinEntry::Count)> table_{};
    std::vector<TOwned<TSeSkinObject>> clones_;
};
