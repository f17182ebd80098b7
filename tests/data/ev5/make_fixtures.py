#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the EV5 and EV5 Extension fixtures of a vehicle, component and
# biomechanics test, one record per section, without the library. Every field
# holds a value that names its column (see value()), so a reader that puts a
# field into the wrong column is caught. Column types come from the model
# headers. Run from this directory.
import re
from pathlib import Path

MODEL = Path(__file__).resolve().parents[3] / "model"
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
TEST_NUMBER = 777


def checksum(name):
    """1 to 9973 (to 997 for curve numbers), from the letters of the column name."""
    return sum((i + 1) * ord(c) for i, c in enumerate(name)) % (997 if name == "CURNO" else 9973) + 1


def types(header):
    found = {}
    for path in [MODEL / header, MODEL / "shared_columns.h", MODEL / "instrumentation.h"]:
        for name, kind in re.findall(r"X\((\w+), (\w+),", path.read_text()):
            found.setdefault(name, kind)
    return found


def value(name, kind):
    c = checksum(name)
    if kind in ("Int", "HoldInt", "Manual"):
        return str(c)
    if kind == "Double":
        return f"{c}.5"
    if kind == "Date":
        return f"{c % 28 + 1:02d}/{MONTHS[c % 12]}/{1990 + c % 30}"
    return name  # texts name their own column


def line(header, order, extra):
    kinds = types(header)
    fields = []
    for name in order.split():
        if name == "-":
            fields.append("")
        elif name in extra:
            fields.append(extra[name])
        else:
            fields.append(value(name, kinds[name]))
    return "|".join(fields)


def seq(prefix, last):
    return " ".join(f"{prefix}{i}" for i in range(1, last + 1))


INST = "SENATT AXIS XUNITS YUNITS PREFIL INSMAN CALDAT INSRAT CHLMAX INIVEL NFP NLP DELT DASTAT CHSTAT INSCOM"
INST_EXT_HEAD = "SENATT SENATTD AXIS AXISD XUNITS XUNITSD YUNITS YUNITSD PREFIL PREMAX PREMIN - - INSMAN CALDAT"
INST_EXT_TAIL = ("NFP NLP DELT DASTAT DASTATD SCFCTR CHSTAT CHSTATD INSCOM - - XTYPE YTYPE - - SIGNALNAME "
                 "SIGCREDATE SIGREVDATE SCALEHISTORY BIAS BIASHISTORY")
INST_EXT = f"{INST_EXT_HEAD} INSRAT CHLMAX INIVEL {INST_EXT_TAIL}"
VEH_CODES = ("VEHNO MAKE MODEL YEAR KORVANO BODY VIN ENGINE ENGDSP TRANSM VEHTWT CURBWT WHLBAS VEHLEN VEHWID "
             f"VEHCG STRSEP COLMEC MODIND MODDSC {seq('BX', 21)} VEHSPD CRBANG PDOF BMPENG SILENG APLENG "
             f"{seq('DPD', 6)} VDI LENCNT DAMDST CRHDST {seq('AX', 21)} CARANG VEHOR VEHCOM")
VEH_ALL = ("VEHNO MAKE MAKED MODEL MODELD YEAR KORVANO BODY BODYD VIN ENGINE ENGINED ENGDSP TRANSM TRANSMD "
           "VEHTWT CURBWT WHLBAS VEHLEN VEHWID VEHCG STRSEP STRSEPD COLMEC COLMECD MODIND MODINDD MODDSC "
           f"{seq('BX', 21)} VEHSPD CRBANG PDOF BMPENG BMPENGD SILENG SILENGD APLENG APLENGD {seq('DPD', 6)} "
           f"VDI LENCNT DAMDST CRHDST {seq('AX', 21)} CARANG VEHOR VEHCOM")
OCC = ("VEHNO OCCLOC OCCTYP OCCAGE OCCSEX OCCHT OCCWT MTHCAL DUMSIZ DUMMAN DUMMOD DUMDSC HH HW HR HS CD CS AD "
       "HD KD HB NB CB KB SEPOSN CNTRH1 CNTRH2 CNTRC1 CNTRC2 CNTRL1 CNTRL2 HIC T1 T2 CLIP3M LFEM RFEM CSI "
       "LBELT SBELT TTI PELVG OCCCOM")
OCC_EXT = ("VEHNO OCCLOC OCCLOCD OCCTYP OCCTYPD OCCAGE OCCSEX OCCSEXD OCCHT OCCWT MTHCAL MTHCALD DUMSIZ DUMSIZD "
           "DUMMAN DUMMOD DUMDSC HH HW HR HS CD CS AD HD KD HB NB CB KB SEPOSN SEPOSND CNTRH1 CNTRH1D CNTRH2 "
           "CNTRH2D CNTRC1 CNTRC1D CNTRC2 CNTRC2D CNTRL1 CNTRL1D CNTRL2 CNTRL2D HIC - T1 - T2 - CLIP3M - LFEM - "
           "RFEM - CSI LBELT SBELT TTI - PELVG - OCCCOM")
ROV = ("TITYPF TISIZF TIPRSF TITYPR TISIZR TIPRSR TRACK TRACKF TRACKR TRACKFA TRACKFB TRACKFC TRACKFD TRACKRE "
       "TRACKRF TRACKRG TRACKRH WHLBAS WHLBASL WHLBASR ROOFHT GVWR GAWRF GAWRR WT WTLF WTRF WTLR WTRR CGLONG "
       "CGLATE CGHT " + " ".join(f"CGWT{i} CGANGLE{i} CGMOTION{i} CGHT{i}" for i in range(1, 6)) +
       " SSF POSS RRS STAR")
ANTH = ("STATUR SHLDHT VRTSYM WASTHT SHLDBD CHSTBD WASTBD HIPBD SHLDEL FARMHD TIBLHT ANKLHT FOOTBD FOOTLN "
        "HDTROC SEATHT KNEEHT HEADLN HEADBD HEADCH BICPCR ELBWCR FARMCR WRSTCR THGHCR LTGHCR KNEECR CALFCR "
        "ANKLCR NECKCR SCYECR CHSTCR WASTCR BUTTCR CHSTDP WASTDP BUTTDP INSCYE")
BOCC_REST = ("OCCAGE OCCWT BCOMPWT FRCTRB RBFRCT OCCREF NOTEST DTEDTH CSEDTH CADAPP BEDCON CADAN AORPRE CERPRE "
             "PULPRE BMC BMCLOC BMCUNITS BMCMETHOD BMCCOM BOCCOM")
DOCC = ("DOCCLOC DOCCSEX DSEPOSN HIC T1 T2 CLIP3M LFEM RFEM CSI LBELT SBELT TTI PELVG CTI VC CMAX NIJ MTHCAL "
        "DUMSIZ DUMMAN DUMMOD DUMDSC DCOMPWT DOCCOM")
DOCC_EXT = ("DOCCLOC DOCCLOCD DOCCSEX DOCCSEXD DSEPOSN DSEPOSND HIC - T1 - T2 - CLIP3M - LFEM - RFEM - CSI LBELT "
            "SBELT TTI - PELVG - CTI - VC - CMAX - NIJ - MTHCAL MTHCALD DUMSIZ DUMSIZD DUMMAN DUMMOD DUMDSC "
            "DCOMPWT DOCCOM")
BAND = "BANDNO CHSDPT CHSBRD BANLEN ANTLOC POSLOC GAGSTR DISSTR GAGSPN DISSPN TOTGAG CHBCOM"
GAUGE = "BANDNO GAGENO GAGDIS CURNO GAGCOM"

# (file, kind, [(marker, header, order)])
FIXTURES = [
    ("vehicle.ev5", False, [
        ("TEST", "veh_test_record.h", "VERNO TITLE TSTOBJ TSTDAT TSTPRF CONNO TSTREF TSTTYP TSTCFN TKSURF TKCOND "
                                      "TEMP RECTYP LINK CLSSPD IMPANG OFFSET IMPPNT TOTCRV TSTCOM"),
        ("VEHICLE", "veh_vehicle.h", VEH_CODES),
        ("BARRIER", "veh_barrier.h", "BARRIG BARSHP BARANG BARDIA BARCOM"),
        ("OCCUPANT", "veh_occupant.h", OCC),
        ("RESTRAINT", "veh_restraint.h", "VEHNO OCCLOC RSTNO RSTTYP RSTMNT DEPLOY RSTCOM"),
        ("INSTRUMENTATION", "veh_instrumentation.h", f"VEHNO CURNO SENTYP SENLOC {INST}")]),
    ("vehicle.e5x", True, [
        ("TEST", "veh_test_record.h", "TSTNO VERNO TITLE TSTOBJ TSTDAT TSTPRF TSTPRFD CONNO TSTREF TSTTYP TSTTYPD "
                                      "TSTCFN TSTCFND TKSURF TKSURFD TKCOND TKCONDD TEMP RECTYP RECTYPD LINK LINKD "
                                      "CLSSPD IMPANG OFFSET IMPPNT MEASUR MEASURD TOTCRV TSTCOM VEHICLES OCCUPANTS"),
        ("VEHICLE", "veh_vehicle.h", VEH_ALL),
        ("BARRIER", "veh_barrier.h", "BARRIG BARRIGD BARSHP BARSHPD BARANG BARDIA BARCOM"),
        ("OCCUPANT", "veh_occupant.h", OCC_EXT),
        ("RESTRAINT", "veh_restraint.h", "VEHNO OCCLOC OCCLOCD RSTNO RSTTYP RSTTYPD RSTMNT RSTMNTD DEPLOY DEPLOYD "
                                         "RSTCOM"),
        ("INSTRUMENTATION", "veh_instrumentation.h", f"VEHNO CURNO SENTYP SENTYPD SENLOC SENLOCD {INST_EXT}")]),
    ("component.ev5", False, [
        ("TEST", "com_test_record.h", "VERNO TITLE TSTOBJ TSTDAT TSTPRF CONNO TSTREF TSTTYP TEMP TOTCRV TSTCOM"),
        ("VEHICLE", "com_vehicle.h", "VEHNO MAKE MODEL YEAR KORVANO BODY VIN CRTEST VEHCOM VIMFNO LOAD ENGINE "
                                     "ENGDSP TRANSM FUEL EQUIP"),
        ("COMPONENT", "com_component.h", "VEHNO CMPNO CMPNT CMPTYP CMPWGT MODIND MODDSC OCCTYP DUMSIZ DUMMAN "
                                         "CMPCOM"),
        ("ROLLOVER", "com_rollover.h", ROV),
        ("CONFIGURATION", "com_configuration.h", "VEHNO CMPNO CNFNO TSTDEV DEVSPD DEVCOM CONFIG CMPSPD CNTANG "
                                                 "CNTLOC1 CNTLOC2 CNTCOM CNFCOM"),
        ("INSTRUMENTATION", "com_instrumentation.h", f"VEHNO CMPNO CNFNO CURNO SENTYP {INST}")]),
    ("component.e5x", True, [
        ("TEST", "com_test_record.h", "TSTNO VERNO TITLE TSTOBJ TSTDAT TSTPRF TSTPRFD CONNO TSTREF TSTTYP TSTTYPD "
                                      "TEMP TOTCRV TSTCOM"),
        ("VEHICLE", "com_vehicle.h", "VEHNO MAKE MAKED MODEL MODELD YEAR KORVANO BODY BODYD VIN CRTEST CRTESTD "
                                     "VEHCOM"),
        ("COMPONENT", "com_component.h", "VEHNO CMPNO CMPNT CMPNTD CMPTYP CMPTYPD CMPWGT MODIND MODINDD MODDSC "
                                         "OCCTYP OCCTYPD DUMSIZ DUMSIZD DUMMAN CMPCOM"),
        ("ROLLOVER", "com_rollover.h", ROV),
        ("CONFIGURATION", "com_configuration.h", "VEHNO CMPNO CNFNO TSTDEV TSTDEVD DEVSPD DEVCOM CONFIG CONFIGD "
                                                 "CMPSPD CNTANG CNTLOC1 CNTLOC2 CNTCOM CNFCOM"),
        ("INSTRUMENTATION", "com_instrumentation.h",
         f"VEHNO CMPNO CNFNO CURNO SENTYP SENTYPD {INST_EXT_HEAD} INIVEL INSRAT CHLMAX {INST_EXT_TAIL}")]),
    ("biomechanics.ev5", False, [
        ("TEST", "bio_test_record.h", "VERNO TITLE TSTOBJ TSTDAT TSTPRF CONNO TSTREF TSTCFN TEMP RECTYP LINK "
                                      "CLSSPD IMPANG TOTCRV OCCTYP TSTCOM"),
        ("BIO OCCUPANT", "bio_biological_occupant.h", f"BOCCLOC BOCCSEX BSEPOSN {BOCC_REST}"),
        ("DUMMY OCCUPANT", "bio_dummy_occupant.h", DOCC),
        ("RESTRAINT", "bio_restraint.h", "RSTNO RSTTYP RSTMNT DEPLOY RSTCOM"),
        ("ANTHROPOMETRY", "bio_anthropometric.h", ANTH),
        ("RIB", "bio_rib_bending.h", "RIBNO RIBLOC RIBIN NADIS SPLEN DEFL LOAD BRKLD ARMAR RAREA"),
        ("OCCUPANT INJURY", "bio_occupant_injury.h", "INJNO BODYRG ASPECT LESION SYSORG AIS AIS90 INJCOM"),
        ("INSTRUMENTATION", "bio_instrumentation.h", f"CURNO SENTYP SENLOC {INST}"),
        ("CHEST BAND", "bio_chest_band_occupant.h", BAND),
        ("CHEST BAND GAUGE", "bio_chest_band_gauge.h", GAUGE)]),
    ("biomechanics.e5x", True, [
        ("TEST", "bio_test_record.h", "TSTNO VERNO TITLE TSTOBJ TSTDAT TSTPRF TSTPRFD CONNO TSTREF TSTCFN TSTCFND "
                                      "TEMP RECTYP RECTYPD LINK LINKD CLSSPD IMPANG TOTCRV OCCTYP OCCTYPD TSTCOM"),
        ("BIO OCCUPANT", "bio_biological_occupant.h",
         f"BOCCLOC BOCCLOCD BOCCSEX BOCCSEXD BSEPOSN BSEPOSND {BOCC_REST}"),
        ("DUMMY OCCUPANT", "bio_dummy_occupant.h", DOCC_EXT),
        ("RESTRAINT", "bio_restraint.h", "RSTNO RSTTYP RSTTYPD RSTMNT RSTMNTD DEPLOY DEPLOYD RSTCOM"),
        ("ANTHROPOMETRY", "bio_anthropometric.h", ANTH),
        ("RIB", "bio_rib_bending.h", "RIBNO RIBLOC RIBLOCD RIBIN NADIS SPLEN DEFL LOAD BRKLD ARMAR RAREA"),
        ("OCCUPANT INJURY", "bio_occupant_injury.h", "INJNO BODYRG BODYRGD ASPECT ASPECTD LESION LESIOND SYSORG "
                                                     "SYSORGD AIS - AIS90 INJCOM"),
        ("INSTRUMENTATION", "bio_instrumentation.h", f"CURNO SENTYP SENTYPD SENLOC SENLOCD {INST_EXT}"),
        ("CHEST BAND", "bio_chest_band_occupant.h", BAND),
        ("CHEST BAND GAUGE", "bio_chest_band_gauge.h", GAUGE)]),
]

for name, extension, sections in FIXTURES:
    if extension:
        text = "# Source: EV5 Extension\n# Date: 05/March/2004\n----- EV5 Extension -----\n"
    else:
        text = "# Source: EV5\n# Date: <03/05/2004>\n----- EV5 -----\n"
    extra = {"TSTNO": str(TEST_NUMBER), "VEHICLES": "1", "OCCUPANTS": "1", "TSTTYP": "ROV", "TOTCRV": "1"}
    for marker, header, order in sections:
        text += f"----- {marker} -----\n{line(header, order, extra)}\n"
    Path(name).write_text(text + "----- END -----\n")
