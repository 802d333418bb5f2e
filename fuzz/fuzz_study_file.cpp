// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a study file: the reader never crashes, every refusal
// carries a message, and a study it accepts is written back in a form that
// reads again as the same study, byte for byte.
#include "study/study_file.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace kelvo::study;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  if (size > size_t(kMaxStudyFileBytes))
    return 0;
  const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
  const StudyReadResult read = studyFromJson(bytes);
  if (!read.study) {
    if (read.error.isEmpty()) {
      std::fputs("a refused file without a message\n", stderr);
      std::abort();
    }
    return 0;
  }
  const QByteArray written = studyToJson(*read.study);
  const StudyReadResult again = studyFromJson(written);
  if (!again.study || studyToJson(*again.study) != written) {
    std::fprintf(stderr, "a study that does not read back as written:\n%s\n", written.constData());
    std::abort();
  }
  return 0;
}
