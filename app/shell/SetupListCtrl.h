#pragma once
// The setup list of the Setup view: one column "Setup", one row per setup
// with the setup's name, its kind as the small image and where it is held as
// the state image. Each row points at its SetupRec; the document's setup
// list owns the records. Rows are only appended.
#include <string>

#include <QTreeWidget>

class SetupRec;

class SetupListCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit SetupListCtrl(QWidget* parent);

    // Builds the image strips (again after a colour change).
    void LoadImages();
    // The one column "Setup", centred, as wide as the control less 4 pixels.
    void CreateColumn();

    // Appends a row for record; its index.
    int InsertSetup(SetupRec* record);
    // Text and state image of a row; false for an index outside the list.
    bool SetSetupText(int index, const std::string& text, int imageIndex);
    bool SetSetupImage(int index, int imageIndex);
    // The row's image index; 0 for an index outside the list or a stored
    // state outside 0..16.
    int GetSetupImage(int index) const;
    // The row's small image: the setup type code it shows.
    int GetSetupType(int index) const;
    QString GetSetupText(int index) const;
    SetupRec* GetSetupAt(int index) const;
    bool DeleteSetup(int index);
    void SelectSetup(int index);
    // The first selected row; -1 when none is selected, 0 when the list is
    // empty.
    int GetSelectedIndex() const;
    SetupRec* GetSelectedSetup() const;
    int GetCount() const { return topLevelItemCount(); }

signals:
    // A row became selected.
    void SetupSelected(int index, SetupRec* record);
    // A right click: onItem tells a row from empty space.
    void ContextMenuAt(const QPoint& globalPos, bool onItem);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyIcon(QTreeWidgetItem* item);
    void Reselect();

    QPixmap stateImages_[7];
    QPixmap typeImages_[12];
    QTreeWidgetItem* reselect_ = nullptr;  // row to keep selected during a click
};
