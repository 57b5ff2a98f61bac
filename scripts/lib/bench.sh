# Shared by the benchmark scripts (sourced).

# The median of the numbers on standard input, one a line.
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

# Fills FOLDER with 100 copies of the full test warrior, kai-1.war ... kai-100.war.
hundred_warriors() {
  local i
  for i in $(seq 100); do cp tests/fixtures/full_warrior.war "$1/kai-$i.war"; done
}
