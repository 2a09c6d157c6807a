#!/usr/bin/env bash
# The README's start command, run exactly as written (bash scripts/start.sh) from
# the top of the repository, on a station root of its own and Qt's offscreen
# platform. SABREL22_PARAR_NO_LOGIN makes the program end at its login window,
# which it reports on the standard output. The first run installs the station:
# it asks the restaurant's name, address, city and state (answered here through
# the standard input) and writes the printer settings; the second asks nothing.
set -euo pipefail
top="$1"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
export SABREL22_ESTACAO="$root" QT_QPA_PLATFORM=offscreen SABREL22_PARAR_NO_LOGIN=1

fail() { echo "FALHOU: $*" >&2; exit 1; }

cd "$top"
first="$(printf 'Cantina do Porto\nRua das Flores, 12\nSantos\nsp\n' | bash scripts/start.sh 2>&1)" \
  || { echo "$first"; fail "a primeira partida terminou com erro"; }
echo "$first"
grep -qx "Janela de login aberta." <<<"$first" || fail "a primeira partida não chegou à janela de login"
grep -q "Empresa: CANTINA DO PORTO, RUA DAS FLORES, 12, SANTOS - SP" <<<"$first" || fail "a empresa não foi gravada"
[ -f "$root/Miltrex/vavoz/RUZUZIDEDI22.FDB" ] || fail "o banco da estação não foi criado"
for f in setup.INI portas.INI fonte.INI junta.INI MensagemCupom.INI; do
  [ -f "$root/Miltrex/vavoz/$f" ] || fail "$f não foi gravado"
done

second="$(bash scripts/start.sh </dev/null 2>&1)" || { echo "$second"; fail "a segunda partida terminou com erro"; }
echo "$second"
grep -qx "Janela de login aberta." <<<"$second" || fail "a segunda partida não chegou à janela de login"
grep -q "Nome do restaurante" <<<"$second" && fail "a segunda partida perguntou de novo a empresa"
echo "OK"
