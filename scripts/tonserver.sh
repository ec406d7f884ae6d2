# Starts a PulseAudio server with a null sink for the sound tests, unless one answers already.
# Sourced by the test script; leaves PULSE_SERVER set for the tests.
Tonserver_starten() {
    export PULSE_RUNTIME_PATH="${PULSE_RUNTIME_PATH:-/tmp/tastrolix-pulse}"
    mkdir -p "$PULSE_RUNTIME_PATH"
    export PULSE_SERVER="unix:$PULSE_RUNTIME_PATH/native"
    if pactl info >/dev/null 2>&1; then
        return 0
    fi
    pulseaudio --daemonize=yes --exit-idle-time=-1 --system=false --disallow-exit \
        -n --load="module-native-protocol-unix socket=$PULSE_RUNTIME_PATH/native auth-anonymous=1" \
        --load="module-null-sink sink_name=tastrolix_null" \
        --log-target=stderr >/dev/null 2>&1 || true
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    pactl set-default-sink tastrolix_null >/dev/null 2>&1 || true
}
