#include "files/committer.h"

#include "files/output_file.h"
#include "files/output_group.h"

namespace lumetra {

void CommitAtOnce::commit(OutputFile& file) {
  file.commit();
}

void CommitAtOnce::commit(OutputGroup& group) {
  group.commit();
}

Committer& CommitEachAtOnce() {
  static CommitAtOnce atOnce;  // holds nothing: any thread may use it
  return atOnce;
}

}  // namespace lumetra
