package org.quillon.banattack;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import net.md_5.bungee.api.connection.ProxiedPlayer;
import net.md_5.bungee.api.event.ServerConnectEvent;
import net.md_5.bungee.api.event.ServerDisconnectEvent;
import net.md_5.bungee.api.plugin.Listener;
import net.md_5.bungee.api.plugin.Plugin;
import net.md_5.bungee.event.EventHandler;

/**
 * Protection against connection floods on a proxy. Per network address it allows one counted
 * server connection every 10 seconds, refuses faster attempts, and bans an address once it holds
 * more than five counted connections. All tables live in memory only and are lost on restart.
 */
public class BanAttack extends Plugin implements Listener {
    static final long CONNECT_INTERVAL_MS = 10000L;
    static final int MAX_CONNECTIONS = 5;
    static final String TOO_FAST = "§c登陆过快";
    static final String LOADED = "[BanAttack] 防压测插件已加载 - Cubeworks 交流群: 000000000";

    /** Earliest time (ms) at which each address may connect again. */
    private final Map<String, Long> nextConnect = new HashMap<String, Long>();
    /** Connections counted for each address. */
    private final Map<String, Integer> connections = new HashMap<String, Integer>();
    private final List<String> banned = new ArrayList<String>();

    /** When not negative, used as the current time instead of the system clock. */
    long fixedNow = -1;

    @Override
    public void onLoad() {
        System.out.println(LOADED);
    }

    @Override
    public void onEnable() {
        getProxy().getPluginManager().registerListener(this, this);
    }

    @EventHandler
    public synchronized void onServerConnect(ServerConnectEvent event) {
        ProxiedPlayer player = event.getPlayer();
        String address = addressOf(player);
        if (banned.contains(address)) {
            event.setCancelled(true);
            return;
        }
        long now = now();
        Long next = nextConnect.get(address);
        if (next != null && next.longValue() > now) {
            // Refused attempts do not move the earliest time, so a steady retry gets through
            // 10 s after the last accepted connection.
            player.disconnect(TOO_FAST);
            event.setCancelled(true);
        } else {
            nextConnect.put(address, now + CONNECT_INTERVAL_MS);
            Integer count = connections.get(address);
            connections.put(address, count == null ? 1 : count.intValue() + 1);
        }
        sweep();
    }

    @EventHandler
    public synchronized void onServerDisconnect(ServerDisconnectEvent event) {
        String address = addressOf(event.getPlayer());
        Integer count = connections.get(address);
        if (count != null) {
            connections.put(address, count.intValue() - 1);
        }
    }

    /** Throws out every connected player whose address holds too many connections and bans it. */
    private void sweep() {
        List<ProxiedPlayer> players = new ArrayList<ProxiedPlayer>(getProxy().getPlayers());
        for (ProxiedPlayer player : players) {
            String address = addressOf(player);
            Integer count = connections.get(address);
            if (count != null && count.intValue() > MAX_CONNECTIONS) {
                player.disconnect("");
                if (!banned.contains(address)) {
                    banned.add(address);
                }
            }
        }
    }

    synchronized boolean isBanned(String address) {
        return banned.contains(address);
    }

    synchronized int connectionCount(String address) {
        Integer count = connections.get(address);
        return count == null ? 0 : count.intValue();
    }

    private long now() {
        return fixedNow >= 0 ? fixedNow : System.currentTimeMillis();
    }

    private static String addressOf(ProxiedPlayer player) {
        return player.getAddress().getAddress().getHostAddress();
    }
}
