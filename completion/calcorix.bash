# bash completion for calcorix                                     -*- shell-script -*-
#
# Completes the switches and their values. A switch is "-", a letter and its value glued on
# (-td, -f4, -l0:1:5), letter and value in either case. Words that do not begin with "-" are parts
# of the expression and get nothing (in particular no file names).
#
# Installed as share/bash-completion/completions/calcorix, where bash-completion loads it the
# first time calcorix is completed; it may also be sourced directly. It needs nothing but bash.

_calcorix() {
  COMPREPLY=()
  local cur=${COMP_WORDS[COMP_CWORD]}
  [[ $cur == -* ]] || return 0

  # A word that bash split off at ":" or "=" (the "-1" of -l5:-1:1) continues the word before it,
  # which is a value and no place for a switch.
  local before=${COMP_LINE-}
  before=${before:0:${COMP_POINT:-0}}
  if [[ $before == *"$cur" ]]; then
    before=${before%"$cur"}
    [[ -z $before || $before == *[[:space:]] ]] || return 0
  fi

  # Only the first switch of a letter counts, so a letter already given is offered no more.
  local given='' word i
  for ((i = 1; i < ${#COMP_WORDS[@]}; i++)); do
    ((i == COMP_CWORD)) && continue
    word=${COMP_WORDS[i]}
    [[ $word == -[[:alpha:]]* ]] && given+=${word:1:1}
  done
  given=${given,,}

  if [[ $cur == --* ]]; then
    for word in --help --version; do
      [[ $word == "$cur"* ]] && COMPREPLY+=("$word")
    done
    return 0
  fi

  local letter
  if [[ $cur == - ]]; then
    for letter in i t o f l e x p h; do
      [[ $given == *"$letter"* ]] || COMPREPLY+=("-$letter")
    done
    COMPREPLY+=(--help --version)
    return 0
  fi

  # -? is not offered: it is a pattern to the shell; -h does the same.
  local value=${cur:2} values=() v
  letter=${cur:1:1}
  letter=${letter,,}
  [[ $given == *"$letter"* ]] && return 0
  case $letter in
    # The switches that take one of a few value letters.
    i) values=(c s) ;;
    t) values=(d r g) ;;
    o) values=(d s e h o b) ;;
    e) values=(a u d) ;;
    # -p alone draws in the output's characters; -pa in ASCII, -ps as SVG.
    p) values=('' a s) ;;
    # Switches without a value: complete as typed.
    x | h) [[ -z $value ]] && COMPREPLY=("$cur") ;;
    # -f and -l take a number or a loop a:b:c glued on; completing them would add a blank and
    # make "-f" alone (no decimal places) or an empty loop.
  esac
  for v in "${values[@]}"; do
    if [[ -z $value ]]; then
      COMPREPLY+=("$cur$v")
    elif [[ ${value,,} == "$v" ]]; then
      COMPREPLY=("$cur")
    fi
  done
  return 0
}

complete -F _calcorix calcorix
