# shellcheck shell=bash disable=SC2154 # the globals of whole_game.sh
# A CUPS scheduler of the test's own, with a cups-pdf queue as the default printer, for
# whole_game.sh, which sources this file. It listens on a socket in the test's folder only
# (CUPS_SERVER leads the game there), and stops with the test: its process id joins
# started_pids. cups-pdf itself reads its settings from /etc/cups, so the queue gets a
# file of its own there (cups_pdf_config), which the test removes when it ends.

readonly QUEUE=LexabitE2E

cups_running() { lpstat -r 2>/dev/null | grep -q -x 'scheduler is running'; }

start_cups() {
    if [ "$(id -u)" -ne 0 ]; then
        log "not root: cups-pdf writes its files as root and reads its settings from /etc/cups"
        return 1
    fi
    if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null ||
        [ ! -x /usr/lib/cups/backend/cups-pdf ]; then
        log "no CUPS with cups-pdf here (Debian packages cups, printer-driver-cups-pdf)"
        return 1
    fi
    local cups="$work/cups"
    mkdir -p "$cups/etc/ppd" "$cups/spool/tmp" "$cups/cache" "$cups/state" "$cups/log"
    chmod -R 755 "$cups"
    cat >"$cups/cupsd.conf" <<EOF
Listen $cups/cups.sock
LogLevel warn
MaxLogSize 0
Browsing No
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cat >"$cups/cups-files.conf" <<EOF
ServerRoot $cups/etc
RequestRoot $cups/spool
TempDir $cups/spool/tmp
CacheDir $cups/cache
StateDir $cups/state
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
FileDevice No
Sandboxing Relaxed
EOF
    cupsd -f -c "$cups/cupsd.conf" -s "$cups/cups-files.conf" >"$work/cupsd.log" 2>&1 &
    started_pids+=($!)
    export CUPS_SERVER="$cups/cups.sock"
    if ! poll 15 cups_running; then
        log "CUPS did not start: $(tail -n 3 "$work/cupsd.log" "$cups/log/error_log" 2>/dev/null)"
        return 1
    fi
    local model
    model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt/ {print $1; exit}')
    [ -n "$model" ] || {
        log "CUPS has no cups-pdf driver"
        return 1
    }
    # cups-pdf reads the settings of the queue named in its device address from /etc/cups.
    printed="$work/printed"
    mkdir -p "$printed" "$work/cups-pdf/log" "$work/cups-pdf/tmp"
    local device_name="lexabit-e2e-$$"
    cups_pdf_config="/etc/cups/cups-pdf-$device_name.conf"
    printf '%s\n' "Out $printed" "AnonDirName $printed" "Spool $work/cups-pdf/spool" \
        "Log $work/cups-pdf/log" "GSTmp $work/cups-pdf/tmp" "Label 1" >"$cups_pdf_config"
    if ! lpadmin -p "$QUEUE" -v "cups-pdf:/$device_name" -E -m "$model" 2>>"$work/lpadmin.log" ||
        ! lpadmin -d "$QUEUE" 2>>"$work/lpadmin.log"; then
        log "could not set up the cups-pdf queue"
        return 1
    fi
    log "CUPS running with the cups-pdf queue $QUEUE ($model) as the default printer"
}

# A PDF from cups-pdf is finished once its job has left the queue.
cups_job_done() { [ -z "$(lpstat -o "$QUEUE" 2>/dev/null)" ] && finished_pdf "$printed"; }
