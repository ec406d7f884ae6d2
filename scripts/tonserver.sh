#!/usr/bin/env bash
# A private PulseAudio server with a null sink "tastrolix_null" for the sound tests, so that
# they hear what the program plays without a sound card and without disturbing a desktop's own
# server. Sourced by the test script, Tonserver_starten leaves PULSE_SERVER set for the tests.
# Run on its own, the script starts the server if needed and prints its address.

Tonserver_starten() {
    local ordner
    ordner="/tmp/tastrolix-pulse-$(id -u)"
    export PULSE_RUNTIME_PATH="$ordner"
    export PULSE_SERVER="unix:$ordner/native"
    if pactl info >/dev/null 2>&1; then
        return 0
    fi

    mkdir -p "$ordner"
    chmod 700 "$ordner"
    rm -f "$ordner/native" "$ordner/pid"  # left over by a server that died
    # -n: none of the default modules (no hardware, no suspend on idle, no stored volumes), only
    # the socket and the null sink. As root PulseAudio warns that it is meant for a user session
    # (unless --system); it runs all the same, and --system would need a pulse user and group.
    pulseaudio --daemonize=yes --system=false --exit-idle-time=-1 --disallow-exit -n \
        --load="module-native-protocol-unix socket=$ordner/native auth-anonymous=1" \
        --load="module-null-sink sink_name=tastrolix_null rate=44100 channels=2" \
        --log-target="file:$ordner/log" </dev/null >/dev/null 2>&1 || true
    local _
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    if ! pactl set-default-sink tastrolix_null >/dev/null 2>&1; then
        echo "tonserver: PulseAudio did not start; its log is $ordner/log" >&2
    fi
    return 0
}

if [[ "${BASH_SOURCE[0]}" == "$0" ]]; then
    Tonserver_starten
    pactl info >/dev/null 2>&1 || exit 1
    echo "$PULSE_SERVER"
fi
