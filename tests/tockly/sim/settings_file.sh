# Writes a settings file as the program does: 522 lines, CR LF, code page 936 (GBK).
# Every line is "0" unless given as LINE=TEXT.   make_settings FILE [LINE=TEXT]...
make_settings() {
  local file=$1
  shift
  local -a lines
  local i
  for ((i = 1; i <= 522; i++)); do lines[i]=0; done
  local change
  for change in "$@"; do lines[${change%%=*}]=${change#*=}; done
  for ((i = 1; i <= 522; i++)); do printf '%s\r\n' "${lines[i]}"; done | iconv -f UTF-8 -t GBK >"$file"
}

# The lines of alarm slot NUMBER (1-50): enabled, hour, minute, shutdown, text prompt, sound on,
# sound 0 (the spoken time), day rule and prompt text.   slot_lines NUMBER HOUR MINUTE SHUTDOWN RULE TEXT
slot_lines() {
  local k=$(($1 - 1))
  echo "$((9 + 8 * k))=1 $((10 + 8 * k))=$2 $((11 + 8 * k))=$3 $((12 + 8 * k))=$4" \
       "$((13 + 8 * k))=1 $((14 + 8 * k))=1 $((15 + 8 * k))=0 $((418 + 2 * k))=$5 $((419 + 2 * k))=$6"
}
