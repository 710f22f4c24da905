#include "skin/data/TkvResourceStrData.h"

namespace skin {

TkvResourceStrData::TkvResourceStrData(QObject* owner)
    : QObject(owner)
{
    Init();
}

QString TkvResourceStrData::GetResStr(const QString& name) const
{
    for (const QString& line : m_resStrings) {
        const qsizetype eq = line.indexOf(u'=');
        const QStringView lineName = eq < 0 ? QStringView(line) : QStringView(line).left(eq);
        if (lineName.compare(name, Qt::CaseInsensitive) == 0)
            return eq < 0 ? QString() : line.mid(eq + 1);
    }
    return {};
}

QStringList TkvResourceStrData::defaultResStrings()
{
    return {
        QStringLiteral("MI_MINCAPTION=Mi&nimize"),
        QStringLiteral("MI_MAXCAPTION=Ma&ximize"),
        QStringLiteral("MI_CLOSECAPTION=&Close"),
        QStringLiteral("MI_RESTORECAPTION=&Restore"),
        QStringLiteral("MI_MINTOTRAYCAPTION=Minimize to &Tray"),
        QStringLiteral("MI_ROLLUPCAPTION=Ro&llUp"),
        QStringLiteral("MINBUTTON_HINT=Minimize"),
        QStringLiteral("MAXBUTTON_HINT=Maximize"),
        QStringLiteral("CLOSEBUTTON_HINT=Close"),
        QStringLiteral("TRAYBUTTON_HINT=Minimize to Tray"),
        QStringLiteral("ROLLUPBUTTON_HINT=Roll Up"),
        QStringLiteral("MENUBUTTON_HINT=System menu"),
        QStringLiteral("EDIT_UNDO=Undo"),
        QStringLiteral("EDIT_COPY=Copy"),
        QStringLiteral("EDIT_CUT=Cut"),
        QStringLiteral("EDIT_PASTE=Paste"),
        QStringLiteral("EDIT_DELETE=Delete"),
        QStringLiteral("EDIT_SELECTALL=Select All"),
        QStringLiteral("MSG_BTN_YES=&Yes"),
        QStringLiteral("MSG_BTN_NO=&No"),
        QStringLiteral("MSG_BTN_OK=OK"),
        QStringLiteral("MSG_BTN_CANCEL=Cancel"),
        QStringLiteral("MSG_BTN_ABORT=&Abort"),
        QStringLiteral("MSG_BTN_RETRY=&Retry"),
        QStringLiteral("MSG_BTN_IGNORE=&Ignore"),
        QStringLiteral("MSG_BTN_ALL=&All"),
        QStringLiteral("MSG_BTN_NOTOALL=N&o to All"),
        QStringLiteral("MSG_BTN_YESTOALL=Yes to &All"),
        QStringLiteral("MSG_BTN_HELP=&Help"),
        QStringLiteral("MSG_BTN_OPEN=&Open"),
        QStringLiteral("MSG_BTN_SAVE=&Save"),
        QStringLiteral("MSG_BTN_CLOSE=Close"),
        QStringLiteral("MSG_BTN_BACK_HINT=Go to last folder visited"),
        QStringLiteral("MSG_BTN_UP_HINT=Up one level"),
        QStringLiteral("MSG_BTN_NEWFOLDER_HINT=Create new folder"),
        QStringLiteral("MSG_BTN_VIEWMENU_HINT=View menu"),
        QStringLiteral("MSG_BTN_STRETCH_HINT=Stretch picture"),
        QStringLiteral("MSG_FILENAME=File name:"),
        QStringLiteral("MSG_FILETYPE=Files of type:"),
        QStringLiteral("MSG_NEWFOLDER=New folder"),
        QStringLiteral("MSG_LV_DETAILS=Details"),
        QStringLiteral("MSG_LV_ICON=Large icons"),
        QStringLiteral("MSG_LV_SMALLICON=Small icons"),
        QStringLiteral("MSG_LV_LIST=List"),
        QStringLiteral("MSG_PREVIEWSKIN=Preview"),
        QStringLiteral("MSG_PREVIEWBUTTON=Button"),
        QStringLiteral("MSG_CAP_WARNING=Warning"),
        QStringLiteral("MSG_CAP_ERROR=Error"),
        QStringLiteral("MSG_CAP_INFORMATION=Information"),
        QStringLiteral("MSG_CAP_CONFIRM=Confirm"),
        QStringLiteral("CALC_CAP=Calculator"),
        QStringLiteral("ERROR=Error"),
        QStringLiteral("COLORGRID_CAP=Basic colors"),
        QStringLiteral("CUSTOMCOLORGRID_CAP=Custom colors"),
        QStringLiteral("ADDCUSTOMCOLORBUTTON_CAP=Add to Custom Colors"),
        QStringLiteral("FONTDLG_COLOR=Color:"),
        QStringLiteral("FONTDLG_NAME=Name:"),
        QStringLiteral("FONTDLG_SIZE=Size:"),
        QStringLiteral("FONTDLG_HEIGHT=Height:"),
        QStringLiteral("FONTDLG_EXAMPLE=Example"),
        QStringLiteral("FONTDLG_STYLE=Style:"),
        QStringLiteral("FONTDLG_SCRIPT=Script:"),
        QStringLiteral("DB_DELETE_QUESTION=Delete record?"),
        QStringLiteral("DB_MULTIPLEDELETE_QUESTION=Delete all selected records?"),
        QStringLiteral("NODISKINDRIVE=There is no disk in Drive or Drive is not ready"),
        QStringLiteral("NOVALIDDRIVEID=Not a valid Drive ID"),
        QStringLiteral("FLV_NAME=Name"),
        QStringLiteral("FLV_SIZE=Size"),
        QStringLiteral("FLV_TYPE=Type"),
        QStringLiteral("FLV_LOOKIN=Look in:"),
        QStringLiteral("FLV_MODIFIED=Modified"),
        QStringLiteral("FLV_ATTRIBUTES=Attributes"),
        QStringLiteral("FLV_DISKSIZE=Disk size"),
        QStringLiteral("FLV_FREESPACE=Free space"),
        QStringLiteral("PRNDLG_NAME=Name:"),
        QStringLiteral("PRNDLG_PRINTER=Printer"),
        QStringLiteral("PRNDLG_PROPERTIES=Properties..."),
        QStringLiteral("PRNDLG_TYPE=Type:"),
        QStringLiteral("PRNDLG_STATUS=Status:"),
        QStringLiteral("PRNDLG_WHERE=Where:"),
        QStringLiteral("PRNDLG_COMMENT=Comment:"),
        QStringLiteral("PRNDLG_PRINTRANGE=Print range"),
        QStringLiteral("PRNDLG_COPIES=Copies"),
        QStringLiteral("PRNDLG_NUMCOPIES=Number of copies:"),
        QStringLiteral("PRNDLG_COLLATE=Collate"),
        QStringLiteral("PRNDLG_ALL=All"),
        QStringLiteral("PRNDLG_PAGES=Pages"),
        QStringLiteral("PRNDLG_SELECTION=Selection"),
        QStringLiteral("PRNDLG_PRINTTOFILE=Print to file"),
        QStringLiteral("PRNDLG_FROM=from:"),
        QStringLiteral("PRNDLG_TO=to:"),
        QStringLiteral("PRNDLG_ORIENTATION=Orientation"),
        QStringLiteral("PRNDLG_PAPER=Paper"),
        QStringLiteral("PRNDLG_PORTRAIT=Portrait"),
        QStringLiteral("PRNDLG_LANDSCAPE=Landscape"),
        QStringLiteral("PRNDLG_SOURCE=Source:"),
        QStringLiteral("PRNDLG_SIZE=Size:"),
        QStringLiteral("PRNDLG_MARGINS=Margins (millimeters)"),
        QStringLiteral("PRNDLG_MARGINS_INCHES=Margins (inches)"),
        QStringLiteral("PRNDLG_LEFT=Left:"),
        QStringLiteral("PRNDLG_RIGHT=Right:"),
        QStringLiteral("PRNDLG_TOP=Top:"),
        QStringLiteral("PRNDLG_BOTTOM=Bottom:"),
        QStringLiteral("PRNDLG_WARNING=There are no printers in your system!"),
        QStringLiteral("FIND_NEXT=Find next"),
        QStringLiteral("FIND_WHAT=Find what:"),
        QStringLiteral("FIND_DIRECTION=Direction"),
        QStringLiteral("FIND_DIRECTIONUP=Up"),
        QStringLiteral("FIND_DIRECTIONDOWN=Down"),
        QStringLiteral("FIND_MATCH_CASE=Match case"),
        QStringLiteral("FIND_MATCH_WHOLE_WORD_ONLY=Match whole word only"),
        QStringLiteral("FIND_REPLACE_WITH=Replace with:"),
        QStringLiteral("FIND_REPLACE=Replace"),
        QStringLiteral("FIND_REPLACE_All=Replace All"),
        QStringLiteral("FIND_REPLACE_CLOSE=Close"),
    };
}

} // namespace skin
