#pragma once
#include "ReportWindow.h"

class ProductPickModel;
class QLineEdit;
class QTableView;

// Newsprint consumed in a date range: per reel, product and consuming unit,
// grouped by brand with brand totals and a grand total of the amounts.
class frmrptConsumption : public ReportWindow {
    Q_OBJECT
public:
    explicit frmrptConsumption(QWidget *parent = nullptr);
    static ReportConfig reportConfig();

    ProductPickModel *productModel() const { return m_products; }

public slots:
    void LoadProductList();
    void GrProduct_Click(const QModelIndex &index);

protected:
    void FillSheet() override;

private:
    void writeBrandTotal(int row, const QString &label, Decimal total);

    QLineEdit *TxReelNo = nullptr;
    LookupBox *TxProductCode = nullptr;
    QLineEdit *TxProductName = nullptr;
    LookupBox *TxMaterialCode = nullptr;
    QLineEdit *TxMaterialName = nullptr;
    QTableView *GrProduct = nullptr;
    ProductPickModel *m_products = nullptr;
};
