package net.cubeworks.world.game.entity;

import java.util.concurrent.atomic.AtomicInteger;

/** The one source of entity ids: every kind, players and lightning included, takes its id here. */
public final class EntityIds {
    private final AtomicInteger next = new AtomicInteger(1);

    public int next() {
        return next.getAndIncrement();
    }
}
