// The player movie: plays one progressive stream over the whole stage and keeps the
// playback state the program reads back. Commands arrive through four command properties,
// queries through seven functions registered for outside callers.
import QtQuick
import Qinglan.Movie 1.0

Item {
    id: movie
    width: MovieHost.stageWidth
    height: MovieHost.stageHeight

    // Movie state; all start undefined.
    property var filename
    property var playkzzt
    property var scplayzt
    property var total_time
    property var totalZSJ
    property var t3
    property var qplaysj
    property var totalplaysj
    property var bufferLoads

    // The "?start=" address is asked for at most once per address given, so a server
    // that lacks both addresses is not asked again and again.
    property bool startOffsetAsked: false

    NetStream {
        id: ns
        onMetaData: info => movie.handleMetaData(info)
        onNetStatus: code => movie.handleStatus(code)
        // The time and the loaded bytes change only while a stream runs: updating on their
        // change gives the same texts as a per-frame update, without waking up when idle.
        onTimeChanged: movie.updateTime()
        onBytesChanged: movie.sampleLoad()
    }

    // The picture is drawn under the scene, with the stage colour around it; nothing
    // below it paints.
    MovieVideo {
        id: myVideo
        objectName: "MyVideo"
        anchors.fill: parent
    }

    MovieSound {
        id: vidsound
    }

    function timeText(seconds) {
        var ss = Math.floor(seconds % 60);
        var mm = Math.floor(seconds / 60);
        ss = ss < 10 ? "0" + ss : "" + ss;
        mm = mm < 10 ? "0" + mm : "" + mm;
        return mm + ":" + ss;
    }

    function playFile() {
        ns.play(filename);
        playkzzt = "1";
    }

    function setFlvurl(value) {
        filename = value;
        startOffsetAsked = false;
        playFile();
    }

    function setPlaykz(value) {
        if (value == "play") {
            if (playkzzt == "1") {
                playkzzt = "2";
                ns.pause();
            } else if (playkzzt == "2") {
                playkzzt = "1";
                ns.resume();
            } else if (playkzzt == "0") {
                startOffsetAsked = false;
                playFile();
            }
        } else {
            playkzzt = "0";
            ns.close();
        }
    }

    function setPlayvolume(value) {
        vidsound.setVolume(Number(value));
    }

    function setPlaykj(value) {
        ns.seek(Number(value));
    }

    function updateTime() {
        t3 = ns.time;
        qplaysj = timeText(t3);
        if (totalZSJ == "NaN:NaN" || totalZSJ == undefined)
            totalplaysj = qplaysj + "/00:00";
        else
            totalplaysj = qplaysj + "/" + totalZSJ;
    }

    function handleMetaData(info) {
        total_time = Math.floor(info.duration);
        totalZSJ = timeText(total_time);
        updateTime();
    }

    function sampleLoad() {
        var loaded = ns.bytesLoaded;
        var total = ns.bytesTotal;
        if (loaded == total && loaded > 1000)
            bufferLoads = 100;
        else
            bufferLoads = total > 0 ? Math.floor(loaded / total * 100) : 0;
    }

    function playFromLastTime() {
        if (startOffsetAsked)
            return;
        startOffsetAsked = true;
        ns.play(filename + "?start=" + t3);
    }

    function handleStatus(code) {
        scplayzt = code;
        switch (code) {
        case "NetStream.Buffer.Empty":
            playkzzt = "3";
            // falls through
        case "NetStream.Buffer.Full":
            playkzzt = "1";
            break;
        case "NetStream.Buffer.Flush":
            break;
        case "NetStream.Play.Start":
            playkzzt = "1";
            // falls through
        case "NetStream.Play.Stop":
            if (qplaysj == totalZSJ)
                playkzzt = "0";
            break;
        case "NetStream.Seek.Notify":
            break;
        case "NetStream.Play.StreamNotFound":
            playkzzt = "4";
            // falls through
        case "NetStream.Seek.InvalidTime":
            playFromLastTime();
            break;
        }
    }

    function qurl() { return filename; }
    function qbfzt() { return playkzzt; }
    function qbfzsj() { return totalZSJ; }
    function qbfsj() { return qplaysj; }
    function qbfsjwb() { return totalplaysj; }
    function flvbfzt() { return scplayzt; }
    function huanchong() { return bufferLoads; }

    Component.onCompleted: {
        myVideo.attachVideo(ns);
        myVideo.smoothing = true;
        ns.bufferTime = 1;
        MovieHost.addProperty("flvurl", setFlvurl);
        MovieHost.addProperty("playkz", setPlaykz);
        MovieHost.addProperty("playvolume", setPlayvolume);
        MovieHost.addProperty("playkj", setPlaykj);
        MovieHost.addCallback("qurl", qurl);
        MovieHost.addCallback("qbfzt", qbfzt);
        MovieHost.addCallback("qbfzsj", qbfzsj);
        MovieHost.addCallback("qbfsj", qbfsj);
        MovieHost.addCallback("qbfsjwb", qbfsjwb);
        MovieHost.addCallback("flvbfzt", flvbfzt);
        MovieHost.addCallback("huanchong", huanchong);
        updateTime();
        sampleLoad();
    }
}
