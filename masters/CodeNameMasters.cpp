#include "CodeNameMasters.h"
#include "CodeNameTableStore.h"
#include "mdlVelmora.h"

namespace {
// A series of the current company: prefix + company code + "_NO".
std::function<QString()> companySeries(const QString &prefix)
{
    return [prefix] { return prefix + gCompCode + QStringLiteral("_NO"); };
}

// The window's rows come from its own table, as the config names it.
void useTableStore(CodeNameMasterConfig &c)
{
    c.store = [t = CodeNameTable{c.table, c.codeColumn, c.nameColumn, c.groupColumn, c.groupValue}] {
        return std::make_unique<CodeNameTableStore>(t);
    };
}

CodeNameMasterConfig master(const QString &windowName, const QString &caption, const QString &gridName,
                            const char *table, const QString &codeColumn, const QString &nameColumn,
                            const QString &nameHeading, const QString &seriesPrefix, const QString &emptyNameMessage)
{
    CodeNameMasterConfig c;
    c.windowName = windowName;
    c.caption = caption;
    c.title = caption;
    c.gridName = gridName;
    c.table = table;
    c.codeColumn = codeColumn;
    c.nameColumn = nameColumn;
    c.nameHeading = nameHeading;
    c.seriesKey = companySeries(seriesPrefix);
    c.emptyNameMessage = emptyNameMessage;
    c.duplicateNewMessage = QStringLiteral("The Same Brand Already Exists.   ");
    c.duplicateRenameMessage = QStringLiteral("Brand Name Already Exists.   ");
    useTableStore(c);
    return c;
}

// The three brand groups share one table and one series per company.
CodeNameMasterConfig brandMaster(const QString &windowName, const QString &groupText, int group)
{
    CodeNameMasterConfig c =
        master(windowName, QStringLiteral("Brand Master -  ") + groupText, QStringLiteral("GrBrand"), "inv_brandmaster",
               QStringLiteral("brand_code"), QStringLiteral("brand_name"), QStringLiteral("Brand Name"),
               QStringLiteral("BRAND_"), QStringLiteral("Please Enter the Brand.   "));
    c.title = QStringLiteral("Brand Master - ") + groupText;
    c.groupColumn = QStringLiteral("brand_group");
    c.groupValue = group;
    useTableStore(c);
    return c;
}
} // namespace

QList<CodeNameMasterConfig> codeNameMasterConfigs()
{
    const QString brandEmpty = QStringLiteral("Please Enter the Brand.   ");
    return {
        master(QStringLiteral("frmGSMMaster"), QStringLiteral("GSM Master"), QStringLiteral("GrGSM"), "inv_gsm",
               QStringLiteral("gsm_code"), QStringLiteral("gsm_name"), QStringLiteral("GSM Name"),
               QStringLiteral("GSM_"), brandEmpty),
        master(QStringLiteral("frmReelTypeMaster"), QStringLiteral("Reel Type Master"), QStringLiteral("GrReelType"),
               "inv_reeltype", QStringLiteral("reeltype_code"), QStringLiteral("reeltype_name"),
               QStringLiteral("ReelType Name"), QStringLiteral("REEL_"), brandEmpty),
        master(QStringLiteral("frmMeasurementMaster"), QStringLiteral("Measurement"), QStringLiteral("GrMeasurement"),
               "inv_measurement", QStringLiteral("m_code"), QStringLiteral("m_name"),
               QStringLiteral("Measurement Name"), QStringLiteral("MES_"),
               QStringLiteral("Please Enter the Measurement.   ")),
        brandMaster(QStringLiteral("frmBrandMaster"), QStringLiteral("News Print"), 0),
        brandMaster(QStringLiteral("frmFABrandMaster"), QStringLiteral("Fixed Asstes"), 1),
        brandMaster(QStringLiteral("frmOtherBrandMaster"), QStringLiteral("Other Stores"), 2),
    };
}

CodeNameMasterConfig codeNameMasterConfig(const QString &windowName)
{
    const QList<CodeNameMasterConfig> all = codeNameMasterConfigs();
    for (const CodeNameMasterConfig &c : all)
        if (c.windowName == windowName)
            return c;
    return {};
}
