#pragma once

#include "core/admin/ScreenLog.h"
#include "core/goods/GoodsCatalogue.h"
#include "ui/base/RecordEditMode.h"

#include <QDialog>

#include <array>

struct AppState;
class QAction;
class QDataWidgetMapper;
class QLineEdit;
class QPushButton;
class QTableView;
class GoodsCatalogueModel;

// The goods catalogue: two lists and the field boxes over one model. Browse
// mode shows the current entry; Add and Edit let the boxes take typing until
// Save or Cancel, and the Enter key walks the boxes, saving an added entry
// from the last one and starting the next. Closing recomputes the leaf flags
// and levels.
class CatalogueScreen : public QDialog
{
    Q_OBJECT

public:
    explicit CatalogueScreen(AppState& state, QWidget* parent = nullptr);

    void done(int result) override;
    // Narrows the lists to the dialog's condition; falls back to the whole
    // catalogue when it finds nothing.
    void narrowTo(const GoodsCatalogue::FindCondition& condition);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildScreen();
    // Builds the boxes and the record moves, which it leaves in *moves.
    QWidget* buildBoxes(QList<QPushButton*>* moves);
    void mapBoxes();
    void add();
    void edit();
    bool save();
    void cancel();
    void remove();
    void find();
    void markUsed();
    void showProtection();
    void printCatalogue(bool preview);
    void exportCatalogue();
    void importOldCatalogue();
    void startCalculator();
    void showMode(RecordEditMode::Mode mode);
    void goToRow(int row);
    void enterPressed(QLineEdit* box);
    // The boxes written to the catalogue, in the order of GoodsCatalogue::Columns.
    std::array<QLineEdit*, 10> writtenBoxes() const;
    // Every box, in the order they stand.
    std::array<QLineEdit*, 12> allBoxes() const;
    int column(const char* name) const;

    AppState& m_state;
    ScreenLog m_log;
    GoodsCode::Structure m_structure;
    GoodsCatalogueModel* m_model = nullptr;
    QDataWidgetMapper* m_mapper = nullptr;
    RecordEditMode m_mode;
    QTableView* m_codeList = nullptr;
    QTableView* m_goodsList = nullptr;
    QAction* m_deleteKey = nullptr;
    QLineEdit* m_codeBox = nullptr;
    QLineEdit* m_nameBox = nullptr;
    QLineEdit* m_mnemonicBox = nullptr;
    QLineEdit* m_unitBox = nullptr;
    QLineEdit* m_priceBox = nullptr;
    QLineEdit* m_memberReductionBox = nullptr;
    QLineEdit* m_guestReductionBox = nullptr;
    QLineEdit* m_sizeAndModelBox = nullptr;
    QLineEdit* m_originBox = nullptr;
    QLineEdit* m_departmentBox = nullptr;
    QLineEdit* m_departmentNameBox = nullptr;
    QLineEdit* m_levelBox = nullptr;
    // The code the edited row was read with.
    QString m_originalCode;
};
