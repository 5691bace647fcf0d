// The module's glue with the host, end to end: its protocol (loaded before
// or after the host's UI, a command of its name set aside and put back,
// nothing left behind at unload, loaded again), its commands, its reactor
// following the host's drawings, start page, UI and menus, and measurements
// handed from the host's real commands to the panel (each kind once, the
// angle command's question and units, a cancel, a drawing gone, a
// measurement that displaces a waiting command, an unload while one runs).
// Which run a notification belongs to is MeasurementRun's
// (tst_measurementrun). Rows are steps (ModuleHost::playSteps) from the host
// with the sample drawing open and the panel hidden.

#include "ModuleTestSupport.h"

class TestModuleGlue : public QObject, public ModuleHost
{
    Q_OBJECT

private slots:
    void init() { start(); }
    void cleanup() { runtime.reset(); }

    void commands_data();
    void commands() { playRow(); }
    void hostEvents_data();
    void hostEvents() { playRow(); }
    void measurements_data();
    void measurements() { playSteps("SMARTCALCULATOR"), playRow(); }
};

void TestModuleGlue::commands_data()
{
    columns();
    row("SMARTCALCULATOR shows the hidden panel in the calculator layout, and hides it shown",
        "SMARTCALCULATOR; ?shown; ?groups; SMARTCALCULATOR; ?shown", "shown; 1110; hidden");
    row("it brings the panel forward from behind another panel's tab",
        "SMARTCALCULATOR; behind; ?front; SMARTCALCULATOR; ?front", "behind; in front");
    row("HIDESMARTCALCULATOR hides it, and keeps it hidden",
        "toggle; HIDESMARTCALCULATOR; ?shown; HIDESMARTCALCULATOR; ?shown", "hidden; hidden");
    row("UNITCONVERSION shows the panel with the unit group, or keeps it shown; "
        "SMARTCALCULATOR then restores the calculator layout before it toggles",
        "UNITCONVERSION; ?shown; ?groups; _SMARTCALCULATOR; ?shown; ?groups; SMARTCALCULATOR; "
        "_UNITCONVERSION; ?shown; ?groups",
        "shown; 1001; hidden; 1110; shown; 1001");
    row("the toolbar button toggles the panel and shows whether it is shown",
        "toggle; ?shown; toggle; ?shown; SMARTCALCULATOR; ?shown", "shown; hidden; shown");
    row("the toolbar button during a prompt shows the panel at once, the prompt still waits",
        "GETDISTANCE; 0,0; toggle; ?shown; 3,4; ?shown", "shown; shown");
    row("the drawing menu's entry toggles the panel", "menu; ?shown; menu; ?shown",
        "shown; hidden");
    row("a command of its name, there before, steps aside while it is loaded",
        "unload; older; load; SMARTCALCULATOR; ?shown; ?older; unload; ?older",
        "shown; aside; back");
    row("loaded before the host's UI, through events and commands before a dock can be made: "
        "then docked, hidden, built, its groups all open until a command",
        "ui-; unload; load; NEW; CLOSE; STARTPAGE; GETDISTANCE; 0,0; 3,4; HIDESMARTCALCULATOR; "
        "UNITCONVERSION; ui+; ?shown; ?groups; ?tools; SMARTCALCULATOR; ?shown",
        "hidden; 1111; 00; shown");
    // Loaded once the host is up, it missed the main-UI notifications.
    row("loaded after start-up: the panel hidden and built, the toolbar button bound",
        "unload; load; ?shown; ?groups; toggle; ?shown; UNITCONVERSION; ?groups; "
        "HIDESMARTCALCULATOR; ?shown",
        "hidden; 1111; shown; 1001; hidden");
    row("the UI built again: a new panel, its groups all open until a command",
        "SMARTCALCULATOR; calc:7*6; ?line; ui-; ui+; ?shown; ?line; ?groups; toggle; ?groups",
        "42; hidden; ; 1111; 1110");
}

void TestModuleGlue::hostEvents_data()
{
    columns();
    // The measurement tools and the command-line button need a drawing.
    row("closing the active one of two drawings keeps them", "NEW; CLOSE; ?tools", "11");
    row("closing a drawing behind another keeps them", "NEW; close:0; ?tools", "11");
    row("closing the last drawing turns them off, a new one on again", "CLOSE; ?tools; NEW; ?tools",
        "00; 11");
    row("a drawing open: on; the start page: off while a drawing stays open, then on again",
        "?tools; STARTPAGE; ?tools; activate:0; ?tools", "11; 00; 11");
    row("the live result follows the drawing's settings and the last drawing closing",
        "type:asin(1)/7; ?preview; LUPREC; 2; ?preview; AUNITS; 3; ?preview; CLOSE; ?preview",
        "= 12.8571; = 12.86; = 0.22; = 12.8571");

    // Everything the module made goes with it, docked or floating; the host
    // goes on notifying, and nothing may reach the closed library.
    const QString use =
        "SMARTCALCULATOR; calc:2+3; click:button_getDistance; 0,0; 6,8; "
        "click:button_ms; click:button_mr; UNITCONVERSION; click:button_convert; "
        "populate:ID_PmDrawing; populate:PM_Other; CLOSE; populate:ID_MnView; NEW; ";
    row("unloaded after use: nothing left", use + "unload; ?left", "");
    row("unloaded after use while floating: nothing left, the host goes on, loaded again",
        use + "float; unload; ?left; NEW; GETDISTANCE; 0,0; 1,1; CLOSE; STARTPAGE; CLOSE; "
              "populate:ID_PmDrawing; populate:ID_MnView; ui-; ui+; load; toggle; ?shown",
        "; shown");

    row("the drawing's menu: one entry, before Smart select, with icons, marked while shown",
        "populate:ID_PmDrawing; populate:ID_PmDrawing; ?entry:ID_PmDrawing; SMARTCALCULATOR; "
        "populate:ID_PmDrawing; ?entry:ID_PmDrawing",
        "Smart Calculator before PMI_SMARTSELECT, icons; "
        "!.Smart Calculator before PMI_SMARTSELECT, icons");
    row("a context menu without Smart select: at its end", "populate:PM_Other; ?entry:PM_Other",
        "Smart Calculator last, icons");
    row("the View menu: only without drawings, in the Classic workspace, without icons",
        "populate:ID_MnView; ?entry:ID_MnView; CLOSE; WORKSPACE; Drafting; "
        "populate:ID_MnView; ?entry:ID_MnView; WORKSPACE; Classic; populate:ID_MnView; "
        "?entry:ID_MnView",
        "none; none; Smart Calculator last");
}

void TestModuleGlue::measurements_data()
{
    columns();
    const QString rectangle = "12,0; 16,0; 16,3; 12,3; ; ";
    const QString sixty = "0,0; 10,0; 0,0; 5,8.660254037844386; ";
    const QString hundredTwenty = "0,0; 10,0; 5,8.660254037844386; 0,0; ";
    const QString opposite = "0,0; 10,0; 10,1; 0,1; ";

    row("a result sent to the command line: the host's window and its line take the keyboard",
        "calc:6*7; click:button_copyCommand; ?focus", "commandInput");
    row("a distance lands at the cursor, the panel disabled meanwhile",
        "type:2*; click:button_getDistance; ?enabled; 0,0; 3,4; ?line; ?enabled; ?focus",
        "0; 2*5; 1; lineEdit_calc");
    row("the area button inserts the area", "click:button_getArea; " + rectangle + "?line", "12");
    row("feet and inches print the distance; the line gets decimal inches",
        "LUNITS; 4; click:button_getDistance; 0,0; 126.5,0; ?msg; ?line",
        "Distance = 10'-6 1/2\"; 126.5");
    row("the circumference button inserts the perimeter of the same outline",
        "click:button_getCircumference; " + rectangle + "?line", "14");
    row("a measurement cancelled with Escape inserts nothing, the keyboard back in the line",
        "type:1+; click:button_getDistance; 0,0; ^C; ?line; ?enabled; ?focus",
        "1+; 1; lineEdit_calc");
    row("a measurement ending without a drawing inserts nothing",
        "click:button_getDistance; closeall; 0,0; 3,4; ?line; ?enabled", "; 1");

    // The angle: acute or obtuse, printed in the drawing's unit, and
    // inserted in the unit the calculator computes in for that drawing.
    row("60 degrees, Acute, in grads",
        "AUNITS; 2; click:button_getAngle; " + sixty + "A; ?line; ?msg",
        "66.6666666667; Angle = 66.6667g");
    row("60 degrees, Obtuse, in degrees with a degree sign",
        "click:button_getAngle; " + sixty + "Obtuse; ?line; ?msg", "120; Angle = 120.0000°");
    row("120 degrees, Acute, in radians",
        "AUNITS; 3; click:button_getAngle; " + hundredTwenty + "_Acute; ?line; ?msg",
        "1.0471975512; Angle = 1.0472r");
    row("120 degrees, Obtuse, in surveyor's units: degrees, with a degree sign",
        "AUNITS; 4; click:button_getAngle; " + hundredTwenty + "o; ?line; ?msg",
        "120; Angle = 120.0000°");
    row("perpendicular lines: exactly 90 degrees, no question",
        "AUNITS; 1; click:button_getAngle; 0,0; 10,0; 10,0; 10,8; ?line", "90");
    row("opposite directions are no parallel lines: Acute 0, Obtuse pi",
        "AUNITS; 3; click:button_getAngle; " + opposite + "Acute; ?line; click:button_getAngle; " +
            opposite + "Obtuse; ?line",
        "0; 3.1415926536");
    row("parallel lines: a message, nothing inserted",
        "type:7*; click:button_getAngle; 0,0; 10,0; 0,1; 10,1; ?line; ?msg; ?focus",
        "7*; Lines are parallel.; lineEdit_calc");
    row("the host's angle command or the question cancelled: nothing inserted",
        "click:button_getAngle; 0,0; ^C; ?line; ?enabled; click:button_getAngle; " + sixty +
            "^C; ?line; ?enabled",
        "; 1; ; 1");

    row("Enter repeats the angle command, not the host's command it ran",
        "_SCGETANGLE; " + sixty + "Obtuse; ; " + sixty + "Obtuse; ?msg", "Angle = 120.0000°");

    // Started while another command waits: that one is cancelled, and only
    // the panel's own run delivers.
    row("the host's distance waiting, the panel's distance",
        "GETDISTANCE; 0,0; click:button_getDistance; ?enabled; 0,0; 3,4; ?line", "0; 5");
    row("the module's angle waiting at its question, the panel's angle",
        "_SCGETANGLE; " + sixty + "click:button_getAngle; ?enabled; " + sixty + "a; ?line",
        "0; 60");
    row("another module's command waiting, the panel's circumference",
        "LOAD; " PROBE_MODULE_PATH "; PROBE; click:button_getCircumference; ?enabled; " +
            rectangle + "?line",
        "0; 14");
    // Unloaded while measuring; loaded again, it measures as before.
    const QString again =
        "?loaded; load; SMARTCALCULATOR; click:button_getDistance; 0,0; 3,4; ?line";
    row("unloaded while the host measures for it: the host's command goes on",
        "click:button_getDistance; 0,0; unload; 3,4; " + again, "unloaded; 5");
    row("unloaded while its angle command waits in the host's",
        "click:button_getAngle; 0,0; unload; " + again, "unloaded; 5");
    row("unloaded while its angle command waits at its question",
        "click:button_getAngle; " + sixty + "unload; " + again, "unloaded; 5");
}

QTEST_MAIN(TestModuleGlue)
#include "tst_moduleglue.moc"
