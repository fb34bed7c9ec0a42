#pragma once
#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

// The consumption report's product pick list: code (hidden), name with a
// tick or a cross, and the row's flag (hidden): "0" included, "1" left out.
class ProductPickModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Code, Name, Flag };
    explicit ProductPickModel(QObject *parent = nullptr);

    // Every product included.
    void setProducts(const QList<QPair<QString, QString>> &products);
    // Flips the row's flag; rows without a product are left alone.
    void toggle(int row);
    bool isIncluded(int row) const;
    QStringList includedCodes() const;
    QString code(int row) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Entry {
        QString code;
        QString name;
        bool leftOut = false;
    };
    QList<Entry> m_rows;
};
