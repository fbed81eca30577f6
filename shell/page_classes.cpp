// The lesson and exercise pages that the chapter table opens.
#include "exercises/unit_frmFceCElemAbs.h"
#include "exercises/unit_frmFceCElemCyklom.h"
#include "exercises/unit_frmFceCElemExpon.h"
#include "exercises/unit_frmFceCElemGonCos.h"
#include "exercises/unit_frmFceCElemGonCotg.h"
#include "exercises/unit_frmFceCElemGonKruznice.h"
#include "exercises/unit_frmFceCElemGonOblouk.h"
#include "exercises/unit_frmFceCElemGonOpak.h"
#include "exercises/unit_frmFceCElemGonSin.h"
#include "exercises/unit_frmFceCElemGonTg.h"
#include "exercises/unit_frmFceCElemKvadr.h"
#include "exercises/unit_frmFceCElemLin.h"
#include "exercises/unit_frmFceCElemLog.h"
#include "exercises/unit_frmFceCElemLom.h"
#include "exercises/unit_frmFceCElemMocninna.h"
#include "exercises/unit_frmFceCElemParam.h"
#include "exercises/unit_frmFceCElemPrehled.h"
#include "exercises/unit_frmFceCGraf.h"
#include "exercises/unit_frmFceCInverzni.h"
#include "exercises/unit_frmFceCVDf.h"
#include "exercises/unit_frmFceCVHf.h"
#include "exercises/unit_frmFceCVextremy.h"
#include "exercises/unit_frmFceCVmonotonie.h"
#include "exercises/unit_frmFceCVomezenost.h"
#include "exercises/unit_frmFceCVperioda.h"
#include "exercises/unit_frmFceCVprosta.h"
#include "exercises/unit_frmFceCVsudost.h"
#include "exercises/unit_frmFceTest.h"
#include "lessons/unit_frmFceDef.h"
#include "lessons/unit_frmFceElemAbs.h"
#include "lessons/unit_frmFceElemCyklom.h"
#include "lessons/unit_frmFceElemExpon.h"
#include "lessons/unit_frmFceElemGonCos.h"
#include "lessons/unit_frmFceElemGonCotg.h"
#include "lessons/unit_frmFceElemGonKruznice.h"
#include "lessons/unit_frmFceElemGonOblouk.h"
#include "lessons/unit_frmFceElemGonOpak.h"
#include "lessons/unit_frmFceElemGonSin.h"
#include "lessons/unit_frmFceElemGonTg.h"
#include "lessons/unit_frmFceElemKvadr.h"
#include "lessons/unit_frmFceElemLin.h"
#include "lessons/unit_frmFceElemLog.h"
#include "lessons/unit_frmFceElemLom.h"
#include "lessons/unit_frmFceElemMocninna.h"
#include "lessons/unit_frmFceElemParam.h"
#include "lessons/unit_frmFceElemPrehled.h"
#include "lessons/unit_frmFceGraf.h"
#include "lessons/unit_frmFceInverzni.h"
#include "lessons/unit_frmFceSlozene.h"
#include "lessons/unit_frmFceSlozene2.h"
#include "lessons/unit_frmFceUvod.h"
#include "lessons/unit_frmFceVDf.h"
#include "lessons/unit_frmFceVHf.h"
#include "lessons/unit_frmFceVextremy.h"
#include "lessons/unit_frmFceVmonotonie.h"
#include "lessons/unit_frmFceVomezenost.h"
#include "lessons/unit_frmFceVperioda.h"
#include "lessons/unit_frmFceVprosta.h"
#include "lessons/unit_frmFceVsudost.h"

void RegisterPageClasses() {
  RegisterFormClass(TfrmFceUvod::FormClass());
  RegisterFormClass(TfrmFceDef::FormClass());
  RegisterFormClass(TfrmFceGraf::FormClass());
  RegisterFormClass(TfrmFceVDf::FormClass());
  RegisterFormClass(TfrmFceVHf::FormClass());
  RegisterFormClass(TfrmFceVmonotonie::FormClass());
  RegisterFormClass(TfrmFceVextremy::FormClass());
  RegisterFormClass(TfrmFceVomezenost::FormClass());
  RegisterFormClass(TfrmFceVsudost::FormClass());
  RegisterFormClass(TfrmFceVperioda::FormClass());
  RegisterFormClass(TfrmFceVprosta::FormClass());
  RegisterFormClass(TfrmFceInverzni::FormClass());
  RegisterFormClass(TfrmFceElemLin::FormClass());
  RegisterFormClass(TfrmFceElemKvadr::FormClass());
  RegisterFormClass(TfrmFceElemLom::FormClass());
  RegisterFormClass(TfrmFceElemMocninna::FormClass());
  RegisterFormClass(TfrmFceElemExpon::FormClass());
  RegisterFormClass(TfrmFceElemLog::FormClass());
  RegisterFormClass(TfrmFceElemGonOblouk::FormClass());
  RegisterFormClass(TfrmFceElemGonKruznice::FormClass());
  RegisterFormClass(TfrmFceElemGonSin::FormClass());
  RegisterFormClass(TfrmFceElemGonCos::FormClass());
  RegisterFormClass(TfrmFceElemGonTg::FormClass());
  RegisterFormClass(TfrmFceElemGonCotg::FormClass());
  RegisterFormClass(TfrmFceElemGonOpak::FormClass());
  RegisterFormClass(TfrmFceElemCyklom::FormClass());
  RegisterFormClass(TfrmFceElemAbs::FormClass());
  RegisterFormClass(TfrmFceElemParam::FormClass());
  RegisterFormClass(TfrmFceElemPrehled::FormClass());
  RegisterFormClass(TfrmFceSlozene::FormClass());
  RegisterFormClass(TfrmFceKvantovani::FormClass());
  RegisterFormClass(TfrmFceCGraf::FormClass());
  RegisterFormClass(TfrmFceCVDf::FormClass());
  RegisterFormClass(TfrmFceCVHf::FormClass());
  RegisterFormClass(TfrmFceCVmonotonie::FormClass());
  RegisterFormClass(TfrmFceCVextremy::FormClass());
  RegisterFormClass(TfrmFceCVomezenost::FormClass());
  RegisterFormClass(TfrmFceCVsudost::FormClass());
  RegisterFormClass(TfrmFceCVperioda::FormClass());
  RegisterFormClass(TfrmFceCVprosta::FormClass());
  RegisterFormClass(TfrmFceCInverzni::FormClass());
  RegisterFormClass(TfrmFceCElemLin::FormClass());
  RegisterFormClass(TfrmFceCElemKvadr::FormClass());
  RegisterFormClass(TfrmFceCElemLom::FormClass());
  RegisterFormClass(TfrmFceCElemMocninna::FormClass());
  RegisterFormClass(TfrmFceCElemExpon::FormClass());
  RegisterFormClass(TfrmFceCElemLog::FormClass());
  RegisterFormClass(TfrmFceCElemGonOblouk::FormClass());
  RegisterFormClass(TfrmFceCElemGonKruznice::FormClass());
  RegisterFormClass(TfrmFceCElemGonSin::FormClass());
  RegisterFormClass(TfrmFceCElemGonCos::FormClass());
  RegisterFormClass(TfrmFceCElemGonTg::FormClass());
  RegisterFormClass(TfrmFceCElemGonCotg::FormClass());
  RegisterFormClass(TfrmFceCElemGonOpak::FormClass());
  RegisterFormClass(TfrmFceCElemCyklom::FormClass());
  RegisterFormClass(TfrmFceCElemAbs::FormClass());
  RegisterFormClass(TfrmFceCElemParam::FormClass());
  RegisterFormClass(TfrmFceCElemPrehled::FormClass());
  RegisterFormClass(TfrmFceTest::FormClass());
}
