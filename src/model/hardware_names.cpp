#include "model/hardware_names.h"

namespace tvk {

HardwareNames LoadBuiltInHardwareNames() {
  // Name1, Value1, Name2, Value2 of each grade row; the trailing blanks belong to the texts.
  return HardwareNames{{
      HardwareRow{"短ほぞ差し", "0.00 ", "かすがい(C)", "(1.62)"},
      HardwareRow{"長ほぞ差し込み栓", "(3.81)", "かど金物(CP･L)", "3.38 "},
      HardwareRow{"かど金物(CP･T)", "5.07 ", "山形プレート(VP)", "5.88 "},
      HardwareRow{"羽子板ボルト(SB)または短ざく金物(S)", "7.50 ", "", ""},
      HardwareRow{"羽子板ボルト(SB+ZS50)または短ざく金物(S+ZS50)", "8.50 ", "", ""},
      HardwareRow{"引き寄せ金物(HD-10)", "10.00 ", "", ""},
      HardwareRow{"引き寄せ金物(HD-15)", "15.00 ", "", ""},
      HardwareRow{"引き寄せ金物(HD-20)", "20.00 ", "", ""},
      HardwareRow{"引き寄せ金物(HD-25)", "25.00 ", "", ""},
      HardwareRow{"引き寄せ金物(HD-15)×２個", "30.00 ", "", ""},
      HardwareRow{"引き寄せ金物(HD-20)×２個(参考)", "(40.00)", "", ""},
  }};
}

}  // namespace tvk
