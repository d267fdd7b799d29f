#include "app/run_setup.h"

#include "engine/formats.h"
#include "engine/input_file_map.h"
#include "engine/input_types.h"
#include "settings/settings.h"
#include "texts/texts.h"

namespace vecrast {

void SetUpOfferedFormats() {
  inputKinds = {"wmf"};
  outputExtensions = {"jpg"};
}

void PrepareCommandLineRun() {
  InputTypeTable();
  FormatTable();
  ResetConversionJob();
  InputFileMap.clear();
  BuildInputExtensions(inputKinds);
  ResetSettings(true);
  LoadTextTable();
}

}  // namespace vecrast
